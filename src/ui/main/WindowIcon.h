#pragma once

#include "WindowIconSizes.h"

#include <QIcon>
#include <QImage>

namespace skarvel {

// The program's icon, drawn from its SVG source ahead of time and embedded at every size
// a window frame, a task bar or a dense screen asks for.
class WindowIcon {
public:
    static constexpr auto sizes = windowIconSizes;

    // The embedded image of size x size pixels, one of sizes; a null image for any other.
    static QImage image(int size);
    // The icon at every size.
    static QIcon icon();
};

} // namespace skarvel
