#pragma once

#include "ToolLocator.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skarvel {

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

// The desktops' own system-information views that Debian's desktops install, tried
// after the viewers above, each at its exact path with the arguments that open it on
// the system's details: GNOME Settings' About panel, Budgie's, Cinnamon's System Info,
// MATE's System Monitor on its System tab, and Xfce's About dialog, which opens on its
// System tab. KDE Plasma's view is its info centre, kinfocenter, already named above.
inline const std::vector<ToolCommand> desktopSysInfoViews = {
    {"/usr/bin/gnome-control-center", {"info-overview"}},
    {"/usr/bin/budgie-control-center", {"info-overview"}},
    {"/usr/bin/cinnamon-settings", {"info"}},
    {"/usr/bin/mate-system-monitor", {"--show-system-tab"}},
    {"/usr/bin/xfce4-about"},
};

// Finds the first of several programs, in the order given, in the folders of a
// PATH-style list, and failing that the first of some commands at their exact paths.
// Only absolute folders count: an empty or relative entry would make the result
// depend on the current directory.
class PathToolLocator : public ToolLocator {
public:
    // pathSource is asked afresh at every search; nullopt means no PATH is set.
    PathToolLocator(std::function<std::optional<std::string>()> pathSource,
                    std::vector<std::string> programNames,
                    std::vector<ToolCommand> fixedCommands = {});

    // The first name found as an executable regular file on the path, with no
    // arguments; all folders are searched for one name before the next name is tried.
    // Then the first fixed command whose path is an executable regular file.
    std::optional<ToolCommand> locate() override;

private:
    std::function<std::optional<std::string>()> readPath;
    std::vector<std::string> names;
    std::vector<ToolCommand> fixed;
};

} // namespace skarvel
