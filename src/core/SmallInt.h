#pragma once

#include <cstdint>

namespace skarvel {

// Every game value (armour class, bonus, roll, die size) and every row index is a
// signed 16-bit integer. Arithmetic on them goes through the checked helpers below,
// which throw OverflowError instead of wrapping.
using SmallInt = std::int16_t;

inline constexpr SmallInt smallIntMin = INT16_MIN;
inline constexpr SmallInt smallIntMax = INT16_MAX;

SmallInt checkedAdd(SmallInt a, SmallInt b);
SmallInt checkedSubtract(SmallInt a, SmallInt b);

// Narrowing conversions into the small-integer range; out of range throws OverflowError.
SmallInt toSmallInt(std::int64_t value);
// The value must be integral (a roll); a non-finite value also throws OverflowError.
SmallInt toSmallInt(float integralValue);

} // namespace skarvel
