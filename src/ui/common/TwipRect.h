#pragma once

#include <QRect>
#include <QString>

namespace skarvel {

// Every window of the program is designed in twips: 15 twips make one pixel at 96 dpi.
inline constexpr int twipsPerPixel = 15;

// The one rounding rule from twips to pixels: to the nearest pixel (15 is odd, so there
// is never a tie).
constexpr int twipsToPixels(int twips) {
    constexpr int half = twipsPerPixel / 2;
    return (twips < 0 ? twips - half : twips + half) / twipsPerPixel;
}

// A control's place in twips: offsets from its container's top-left corner (a frame's
// children from the frame's outer corner, caption band included).
struct TwipRect {
    int left;
    int top;
    int width;
    int height;

    // The same place moved down, as a row control in a later row.
    constexpr TwipRect movedDown(int twips) const { return {left, top + twips, width, height}; }

    // Edges are rounded rather than sizes, so that controls meeting in twips meet in pixels.
    constexpr QRect toPixels() const {
        const int pixelLeft = twipsToPixels(left);
        const int pixelTop = twipsToPixels(top);
        return {pixelLeft, pixelTop, twipsToPixels(left + width) - pixelLeft,
                twipsToPixels(top + height) - pixelTop};
    }
};

// Names a control as the design does and puts it where the design's table says.
template <class Control>
Control* place(Control* control, const QString& name, const TwipRect& twips) {
    control->setObjectName(name);
    control->setGeometry(twips.toPixels());
    return control;
}

} // namespace skarvel
