#pragma once

#include "SmallInt.h"

namespace skarvel {

class AttackView;
class UniformSource;

// Rolls an n-sided die with one draw r: floor(n x r) + 1 in single precision, so
// 1..n for n >= 1. Writes the roll's decimal text to the roll display before
// returning it.
float RollDie(SmallInt n, UniformSource& source, AttackView& view);

} // namespace skarvel
