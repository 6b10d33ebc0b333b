#pragma once

#include "SysInfoLauncher.h"

#include <array>
#include <string_view>

namespace skarvel {

class MessageDisplay;
class PathSearch;
class ProgramStarter;

// Graphical system-information viewers packaged by the common Linux distributions,
// in the order they are preferred: the general hardware and system viewer, the
// KDE desktop's info centre, the hardware lister's window, and the CPU and board
// viewer. Each starts with no arguments.
inline constexpr std::array<std::string_view, 4> desktopSysInfoTools = {
    "hardinfo",
    "kinfocenter",
    "lshw-gtk",
    "cpu-x",
};

// On systems without a registry: starts the first known viewer found on PATH.
class DesktopSysInfoLauncher : public SysInfoLauncher {
public:
    DesktopSysInfoLauncher(const PathSearch& toolSearch, ProgramStarter& programStarter,
                           MessageDisplay& messageDisplay);

    // The first viewer found is started; none found, or a failed start, gives the
    // message. There is no fallback to a later viewer after a failed start.
    void StartSysInfo() override;

private:
    const PathSearch& search;
    ProgramStarter& starter;
    MessageDisplay& messages;
};

} // namespace skarvel
