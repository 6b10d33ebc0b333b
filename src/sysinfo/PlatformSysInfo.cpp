#include "PlatformSysInfo.h"

namespace skarvel {

PlatformSysInfo::PlatformSysInfo(MessageDisplay& messageDisplay, LaunchTokens* tokens)
    : locator(makePlatformToolLocator())
    , starter(makePlatformProgramStarter(tokens))
    , sysInfo(*locator, *starter, messageDisplay) {}

} // namespace skarvel
