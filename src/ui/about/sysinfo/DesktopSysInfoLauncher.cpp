#include "DesktopSysInfoLauncher.h"

#include "PathSearch.h"
#include "ProgramStarter.h"

#include <optional>
#include <string>

namespace skarvel {

DesktopSysInfoLauncher::DesktopSysInfoLauncher(const PathSearch& toolSearch,
                                               ProgramStarter& programStarter,
                                               MessageDisplay& messageDisplay)
    : search(toolSearch)
    , starter(programStarter)
    , messages(messageDisplay) {}

void DesktopSysInfoLauncher::StartSysInfo() {
    try {
        if (const std::optional<std::string> tool = search.find()) {
            starter.start(*tool);
            return;
        }
    } catch (...) {
        // Every failure, whatever its kind, ends in the one message below.
    }
    showSysInfoUnavailable(messages);
}

} // namespace skarvel
