#pragma once

#include "SmallInt.h"

#include <cstdint>

namespace skarvel {

// The hit-basis codes carried as item data by the hit-calculation list. They are
// compared as read; any other code selects no rule.
enum class HitBasis : std::int32_t {
    Thac0 = 0,
    RollGreaterThanAC = 1,
    RollLessThanAC = 2,
};

// Each rule computes one checked intermediate (OverflowError when it leaves the
// small-integer range) and makes one comparison; a tie is a hit in all three.

// Bonus is the creature's THAC0: hit when Roll >= Bonus - AC.
bool THAC0Attack(SmallInt AC, SmallInt Bonus, SmallInt Roll);
// Hit when Roll >= AC - Bonus, i.e. Roll + Bonus reaches AC.
bool ACGreaterAttack(SmallInt AC, SmallInt Bonus, SmallInt Roll);
// Hit when Roll <= AC + Bonus.
bool ACLessAttack(SmallInt AC, SmallInt Bonus, SmallInt Roll);

} // namespace skarvel
