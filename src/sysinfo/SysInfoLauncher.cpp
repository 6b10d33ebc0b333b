#include "SysInfoLauncher.h"

#include "ApplicationIdentity.h"
#include "MessageDisplay.h"
#include "ProgramStarter.h"
#include "ToolLocator.h"

#include <optional>
#include <string>

namespace skarvel {

SysInfoLauncher::SysInfoLauncher(ToolLocator& toolLocator, ProgramStarter& programStarter,
                                 MessageDisplay& messageDisplay)
    : locator(toolLocator)
    , starter(programStarter)
    , messages(messageDisplay) {}

void SysInfoLauncher::StartSysInfo() noexcept {
    try {
        if (const std::optional<ToolCommand> tool = locator.locate()) {
            starter.start(*tool);
            return;
        }
    } catch (...) {
        // Every failure, whatever its kind, ends in the one message below.
    }
    try {
        messages.show(std::string(sysInfoUnavailableText), std::string(identity::title));
    } catch (...) {
        // A failing message box has no one left to tell.
    }
}

} // namespace skarvel
