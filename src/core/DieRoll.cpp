#include "DieRoll.h"

#include "AttackView.h"
#include "UniformSource.h"

#include <cmath>
#include <string>

namespace skarvel {

float RollDie(SmallInt n, UniformSource& source, AttackView& view) {
    const float r = source.next();
    const float p = static_cast<float>(n) * r;
    const float roll = std::floor(p) + 1.0f;
    // |n| <= 32768 and 0 <= r < 1, so the roll is integral and within int range.
    view.setRollCaption(std::to_string(static_cast<int>(roll)));
    return roll;
}

} // namespace skarvel
