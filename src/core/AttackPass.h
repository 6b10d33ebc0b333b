#pragma once

#include "SmallInt.h"

namespace skarvel {

class AttackView;
class UniformSource;

// One attack: one roll of the chosen die judged against all eight characters.
//
//   AttackPass pass(window, generator);
//   pass.performAttack(2); // the third creature attacks
//
// Keeps no state between presses; every field is read afresh. An error ends the pass
// at the step where it arises as an AttackError: a list or bonus error before anything
// changed, an armour-class or rule error after the roll display and the markers of the
// rows above the failing one were updated.
class AttackPass {
public:
    static constexpr SmallInt rowCount = 8;

    AttackPass(AttackView& window, UniformSource& generator);

    // Index: the creature row 0..7; any other value throws std::out_of_range.
    void performAttack(SmallInt Index);

private:
    AttackView& view;
    UniformSource& source;
};

} // namespace skarvel
