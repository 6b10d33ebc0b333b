#include "PlatformSysInfoLauncher.h"

#if defined(_WIN32)
#include "RegistrySysInfoLauncher.h"
#include "WindowsFileProbe.h"
#include "WindowsProgramStarter.h"
#include "WindowsRegistry.h"
#else
#include "DesktopSysInfoLauncher.h"
#include "PathSearch.h"
#include "PosixProgramStarter.h"

#include <cstdlib>
#endif

#include <optional>
#include <string>
#include <vector>

namespace skarvel {
namespace {

#if defined(_WIN32)

class SystemLauncher : public SysInfoLauncher {
public:
    explicit SystemLauncher(MessageDisplay& messageDisplay)
        : logic(registry, files, starter, messageDisplay) {}
    void StartSysInfo() override { logic.StartSysInfo(); }

private:
    WindowsRegistry registry;
    WindowsFileProbe files;
    WindowsProgramStarter starter;
    RegistrySysInfoLauncher logic;
};

#else

std::optional<std::string> environmentPath() {
    // Read at every press: nothing is kept between two presses.
    const char* value = std::getenv("PATH");
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

class SystemLauncher : public SysInfoLauncher {
public:
    explicit SystemLauncher(MessageDisplay& messageDisplay)
        : search(environmentPath,
                 std::vector<std::string>(desktopSysInfoTools.begin(), desktopSysInfoTools.end()))
        , logic(search, starter, messageDisplay) {}
    void StartSysInfo() override { logic.StartSysInfo(); }

private:
    PathSearch search;
    PosixProgramStarter starter;
    DesktopSysInfoLauncher logic;
};

#endif

} // namespace

PlatformSysInfoLauncher::PlatformSysInfoLauncher(MessageDisplay& messageDisplay)
    : launcher(std::make_unique<SystemLauncher>(messageDisplay)) {}

PlatformSysInfoLauncher::~PlatformSysInfoLauncher() = default;

void PlatformSysInfoLauncher::StartSysInfo() {
    launcher->StartSysInfo();
}

} // namespace skarvel
