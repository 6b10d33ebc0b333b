#include "DefaultUniformSource.h"

#include <cstdint>

namespace skarvel {

float DefaultUniformSource::next() {
    return fromBits(engine());
}

float DefaultUniformSource::fromBits(std::mt19937::result_type bits) {
    // Keep 24 bits, a float's full precision: k / 2^24 is exact, so the largest
    // draw is 1 - 2^-24 and never rounds up to 1.0 as a 32-bit fraction could.
    const std::uint32_t kept = static_cast<std::uint32_t>(bits) >> 8;
    return static_cast<float>(kept) * 0x1.0p-24f;
}

} // namespace skarvel
