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

// Finds the first of several programs, in the order given, in the folders of a
// PATH-style list. Only absolute folders count: an empty or relative entry would
// make the result depend on the current directory.
class PathToolLocator : public ToolLocator {
public:
    // pathSource is asked afresh at every search; nullopt means no PATH is set.
    PathToolLocator(std::function<std::optional<std::string>()> pathSource,
                    std::vector<std::string> programNames);

    // The full path of the first name found as an executable regular file; all
    // folders are searched for one name before the next name is tried.
    std::optional<std::string> locate() override;

private:
    std::function<std::optional<std::string>()> readPath;
    std::vector<std::string> names;
};

} // namespace skarvel
