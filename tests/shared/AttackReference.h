#pragma once

#include "AttackError.h"
#include "RandomNumberText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

// The attack pass worked out in wide integers and exact decimal digits, without any
// code under test, and a runner that puts the same case through the real pass.
namespace skarvel::test {

// What one pass leaves behind: the roll display, the eight markers, the error that
// ended it (if any) and how many draws it took.
struct Outcome {
    std::string caption;
    std::array<bool, 8> markers{};
    std::optional<AttackFailure> failure;
    AttackField field = AttackField::HitBasisList;
    int row = -1;
    std::string text;
    std::size_t draws = 0;

    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Outcome& o);

// One press: the two lists' item data (nullopt: no entry selected), the creature row,
// the texts of its bonus and of the eight armour classes, the uniform draw, and what
// the window showed before the press.
struct PassCase {
    std::optional<std::int32_t> basis;
    std::optional<std::int32_t> die;
    int index = 0;
    NumberText bonus;
    std::array<NumberText, 8> armourClass;
    float r = 0.0f;
    Outcome before;
};

// floor(n x r) + 1 where the product is first rounded to 24 significant bits, ties
// to even, as single-precision multiplication does; worked in 64-bit integers.
std::int64_t referenceRoll(std::int64_t n, float r);

// What the pass must leave behind for c.
Outcome reference(const PassCase& c);

// Runs c through the real pass on an in-memory window; the other creature rows hold
// a bonus that would overflow, so reading the wrong row cannot go unnoticed.
Outcome runPass(const PassCase& c);

std::string describe(const PassCase& c);

} // namespace skarvel::test
