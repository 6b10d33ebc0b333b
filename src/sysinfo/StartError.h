#pragma once

#include <stdexcept>
#include <string>

namespace skarvel {

// A program could not be started; systemCode is the platform's error number.
class StartError : public std::runtime_error {
public:
    StartError(const std::string& programPath, long errorNumber);

    const std::string& path() const noexcept { return programPathText; }
    long systemCode() const noexcept { return code; }

private:
    std::string programPathText;
    long code;
};

} // namespace skarvel
