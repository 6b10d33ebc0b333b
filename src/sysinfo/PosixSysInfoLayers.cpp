// The POSIX definitions of the platform factories: a known viewer on PATH, else a
// desktop's own view, started with fork and exec.
#include "PathToolLocator.h"
#include "PlatformSysInfo.h"
#include "PosixProgramStarter.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace skarvel {
namespace {

std::optional<std::string> environmentPath() {
    // Read at every press: nothing is kept between two presses.
    const char* value = std::getenv("PATH");
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

} // namespace

std::unique_ptr<ToolLocator> makePlatformToolLocator() {
    return std::make_unique<PathToolLocator>(
        environmentPath,
        std::vector<std::string>(desktopSysInfoTools.begin(), desktopSysInfoTools.end()),
        desktopSysInfoViews);
}

std::unique_ptr<ProgramStarter> makePlatformProgramStarter(LaunchTokens* tokens) {
    return std::make_unique<PosixProgramStarter>(tokens);
}

} // namespace skarvel
