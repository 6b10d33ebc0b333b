// The Windows definitions of the platform factories: the registry's two locations, the
// file test by attributes, and CreateProcess.
#include "PlatformSysInfo.h"
#include "RegistryToolLocator.h"
#include "WindowsFileProbe.h"
#include "WindowsProgramStarter.h"
#include "WindowsRegistry.h"

namespace skarvel {
namespace {

// The registry locator together with the system layers it reads through.
class SystemRegistryToolLocator : public ToolLocator {
public:
    std::optional<ToolCommand> locate() override { return locator.locate(); }

private:
    WindowsRegistry registry;
    WindowsFileProbe files;
    RegistryToolLocator locator{registry, files};
};

} // namespace

std::unique_ptr<ToolLocator> makePlatformToolLocator() {
    return std::make_unique<SystemRegistryToolLocator>();
}

// Windows brings a program started from the foreground window to the front by itself.
std::unique_ptr<ProgramStarter> makePlatformProgramStarter(LaunchTokens* /*tokens*/) {
    return std::make_unique<WindowsProgramStarter>();
}

} // namespace skarvel
