#include "Contrast.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace skarvel {
namespace {

// x to the power 1/5 for x in (0, 1], by Newton's method from above; it has settled to the
// last bit well within the fixed number of steps.
constexpr double fifthRoot(double x) {
    double root = 1.0;
    for (int step = 0; step < 64; ++step) {
        const double square = root * root;
        root = (4.0 * root + x / (square * square)) / 5.0;
    }
    return root;
}

// The sRGB channel value 0 to 255 as linear light, worked out by the compiler: resolving the
// power function at start-up costs the first frame 0.2 MiB of peak memory, which the memory
// target cannot spare (docs/performance.md).
constexpr std::array<double, 256> linearLight = [] {
    std::array<double, 256> table{};
    for (std::size_t channel = 0; channel < table.size(); ++channel) {
        const double value = static_cast<double>(channel) / 255.0;
        const double base = (value + 0.055) / 1.055;
        // base^2.4 = base^2 * (base^2)^(1/5)
        table[channel] = value <= 0.04045 ? value / 12.92 : base * base * fifthRoot(base * base);
    }
    return table;
}();

double linear(int channel) {
    return linearLight[static_cast<std::size_t>(channel)];
}

// Relative luminance: 0 for black, 1 for white.
double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

} // namespace

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
