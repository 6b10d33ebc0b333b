#pragma once

#include <stdexcept>
#include <string>

namespace skarvel {

// A program could not be started; errorNumber is the platform's error number.
class StartError : public std::runtime_error {
public:
    StartError(const std::string& programPath, long errorNumber);
};

} // namespace skarvel
