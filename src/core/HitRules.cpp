#include "HitRules.h"

namespace skarvel {

bool THAC0Attack(SmallInt AC, SmallInt Bonus, SmallInt Roll) {
    return Roll >= checkedSubtract(Bonus, AC);
}

bool ACGreaterAttack(SmallInt AC, SmallInt Bonus, SmallInt Roll) {
    // AC - Bonus rather than Roll + Bonus: the rule's intermediate is the target.
    return Roll >= checkedSubtract(AC, Bonus);
}

bool ACLessAttack(SmallInt AC, SmallInt Bonus, SmallInt Roll) {
    return Roll <= checkedAdd(AC, Bonus);
}

} // namespace skarvel
