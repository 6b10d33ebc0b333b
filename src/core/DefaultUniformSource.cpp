#include "DefaultUniformSource.h"

#include <cstdint>

namespace skarvel {

float DefaultUniformSource::next() {
    // Keep 24 bits, a float's full precision: k / 2^24 is exact, so the largest
    // draw is 1 - 2^-24 and never rounds up to 1.0 as a 32-bit fraction could.
    const std::uint32_t bits = static_cast<std::uint32_t>(engine()) >> 8;
    return static_cast<float>(bits) * 0x1.0p-24f;
}

} // namespace skarvel
