#pragma once

#include <QColor>

namespace skarvel {

// WCAG 2's contrast arithmetic on opaque sRGB colours.

// Least contrast of body text against its background.
inline constexpr double textContrast = 4.5;
// Least contrast of a link against its background, which its colour alone sets apart.
inline constexpr double linkContrast = 3.0;

// From 1 (equal luminance) to 21 (black and white), the same in either order.
double contrastRatio(const QColor& first, const QColor& second);

// preferred where it reads at minimumRatio or better against background, else fallback.
QColor readableColour(const QColor& preferred, const QColor& fallback, const QColor& background,
                      double minimumRatio);

} // namespace skarvel
