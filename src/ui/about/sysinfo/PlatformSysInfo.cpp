#include "PlatformSysInfo.h"

namespace skarvel {

PlatformSysInfo::PlatformSysInfo(MessageDisplay& messageDisplay)
    : locator(makePlatformToolLocator())
    , starter(makePlatformProgramStarter())
    , sysInfo(*locator, *starter, messageDisplay) {}

} // namespace skarvel
