#pragma once

#include "ProgramStarter.h"
#include "SysInfoLauncher.h"
#include "ToolLocator.h"

#include <memory>

namespace skarvel {

class LaunchTokens;
class MessageDisplay;

// This platform's real tool locator and program starter. CMake builds exactly one
// definition of each: the registry and CreateProcess on Windows, the PATH search for a
// known viewer and fork/exec elsewhere.
std::unique_ptr<ToolLocator> makePlatformToolLocator();
// tokens, where the platform uses them, gives each started program the desktop's
// start-up token; it may be null and must outlive the starter.
std::unique_ptr<ProgramStarter> makePlatformProgramStarter(LaunchTokens* tokens);

// The launcher with this platform's real layers. The message box is the caller's, as it
// belongs to the user interface.
class PlatformSysInfo {
public:
    explicit PlatformSysInfo(MessageDisplay& messageDisplay, LaunchTokens* tokens = nullptr);

    SysInfoLauncher& launcher() { return sysInfo; }

private:
    std::unique_ptr<ToolLocator> locator;
    std::unique_ptr<ProgramStarter> starter;
    SysInfoLauncher sysInfo;
};

} // namespace skarvel
