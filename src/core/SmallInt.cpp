#include "SmallInt.h"

#include "OverflowError.h"

#include <cmath>

namespace skarvel {

SmallInt checkedAdd(SmallInt a, SmallInt b) {
    // Widened to 64 bits the sum cannot wrap, so the range check is exact.
    return toSmallInt(std::int64_t{a} + std::int64_t{b});
}

SmallInt checkedSubtract(SmallInt a, SmallInt b) {
    return toSmallInt(std::int64_t{a} - std::int64_t{b});
}

SmallInt toSmallInt(std::int64_t value) {
    if (value < smallIntMin || value > smallIntMax) {
        throw OverflowError("value " + std::to_string(value) + " is outside -32768 to 32767");
    }
    return static_cast<SmallInt>(value);
}

SmallInt toSmallInt(float integralValue) {
    // Compare in float before converting: converting an out-of-range or NaN float
    // to an integer type is undefined behaviour.
    if (!(integralValue >= float{smallIntMin} && integralValue <= float{smallIntMax})) {
        throw OverflowError("value is outside -32768 to 32767");
    }
    return static_cast<SmallInt>(std::nearbyint(integralValue));
}

} // namespace skarvel
