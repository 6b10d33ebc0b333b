// Random attack passes compared with a reference that works only in wide integers
// and exact decimal digits and never calls the code under test.

#include "AttackReference.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>

namespace skarvel::test {
namespace {

TEST(AttackPassProperty, AgreesWithAWideIntegerReference) {
    Rng rng(20240611);
    constexpr auto int32Max = std::numeric_limits<std::int32_t>::max();
    constexpr auto int32Min = std::numeric_limits<std::int32_t>::min();
    int mismatches = 0;
    int errors = 0;
    std::array<int, 3> errorsByKind{};
    for (int trial = 0; trial < 20'000 && mismatches < 5; ++trial) {
        PassCase c;
        if (!chance(rng, 0.03)) {
            c.basis = chance(rng, 0.9) ? pick<std::int32_t>(rng, {0, 1, 2})
                                       : pick<std::int32_t>(rng, {-1, 3, 7, int32Max, int32Min});
        }
        if (!chance(rng, 0.03)) {
            c.die = chance(rng, 0.85)
                        ? pick<std::int32_t>(rng, {4, 6, 8, 10, 12, 20, 100})
                        : pick<std::int32_t>(rng, {1, 0, -1, -20, 1000, 32767, -32768, 32768,
                                                   -32769, int32Max, int32Min});
        }
        c.index = std::uniform_int_distribution<int>(0, 7)(rng);
        c.bonus = randomNumberText(rng, chance(rng, 0.1));
        for (NumberText& ac : c.armourClass) {
            ac = randomNumberText(rng, chance(rng, 0.05));
        }
        c.r = randomDraw(rng, c.die.value_or(20));
        c.before.caption = "old";
        for (bool& marker : c.before.markers) {
            marker = chance(rng, 0.5);
        }

        const Outcome expected = reference(c);
        const Outcome actual = runPass(c);
        if (expected.failure) {
            ++errors;
            ++errorsByKind[static_cast<std::size_t>(*expected.failure)];
        }
        if (!(actual == expected)) {
            ++mismatches;
            ADD_FAILURE() << describe(c) << "\n  expected " << expected << "\n  actual   "
                          << actual;
        }
    }
    // The generator must exercise both complete passes and errors in good number.
    EXPECT_GT(errors, 3'000);
    EXPECT_LT(errors, 12'000);
    RecordProperty("passesEndingInError", errors);
    RecordProperty("noEntrySelected", errorsByKind[0]);
    RecordProperty("outOfRange", errorsByKind[1]);
    RecordProperty("ruleOverflow", errorsByKind[2]);
    for (int count : errorsByKind) {
        EXPECT_GT(count, 100);
    }
}

} // namespace
} // namespace skarvel::test
