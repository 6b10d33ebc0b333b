#pragma once

#include <QImage>
#include <QString>

namespace skarvel {

// Renders a hand-drawn SVG icon into the pixels the program embeds and installs.
class SvgIcon {
public:
    // The drawing scaled to side x side pixels on a transparent background. Throws
    // std::runtime_error when the file cannot be read as SVG.
    static QImage render(const QString& svgPath, int side);
};

} // namespace skarvel
