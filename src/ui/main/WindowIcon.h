#pragma once

#include <QIcon>
#include <QImage>

namespace skarvel {

// The program's icon, rendered from the one hand-drawn SVG in the resources.
class WindowIcon {
public:
    static constexpr int smallSize = 16;
    static constexpr int largeSize = 32;

    // The icon at size x size pixels on a transparent background.
    static QImage render(int size);
    // The icon at both window sizes.
    static QIcon icon();
};

} // namespace skarvel
