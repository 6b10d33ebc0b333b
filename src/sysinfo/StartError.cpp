#include "StartError.h"

namespace skarvel {

StartError::StartError(const std::string& programPath, long errorNumber)
    : std::runtime_error("Cannot start \"" + programPath + "\" (system error " +
                         std::to_string(errorNumber) + ")") {}

} // namespace skarvel
