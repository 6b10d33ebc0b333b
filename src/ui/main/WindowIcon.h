#pragma once

#include <QIcon>
#include <QImage>
#include <array>

namespace skarvel {

// The program's icon, drawn from its SVG source ahead of time and embedded at every size
// a window frame, a task bar or a dense screen asks for.
class WindowIcon {
public:
    // 16 and 32 pixels for window frames and task bars, 64 for dense screens.
    static constexpr std::array sizes{16, 32, 64};

    // The embedded image of size x size pixels, one of sizes; a null image for any other.
    static QImage image(int size);
    // The icon at every size.
    static QIcon icon();
};

} // namespace skarvel
