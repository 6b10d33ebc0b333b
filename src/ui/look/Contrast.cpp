#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace skarvel {
namespace {

double linear(int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableColour(const QColor& preferred, const QColor& fallback, const QColor& background,
                      double minimumRatio) {
    return contrastRatio(preferred, background) >= minimumRatio ? preferred : fallback;
}

} // namespace skarvel
