#include "DieRoll.h"

#include "FakeAttackView.h"
#include "OverflowError.h"
#include "ScriptedUniformSource.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace skarvel::test {
namespace {

const std::vector<SmallInt> offeredSizes{4, 6, 8, 10, 12, 20, 100};

// The largest draw a source may return.
const float justBelowOne = std::nextafter(1.0f, 0.0f);

struct RollCase {
    SmallInt n;
    float r;
    int roll;
};

void PrintTo(const RollCase& c, std::ostream* os) {
    *os << "d" << c.n << " with r = " << std::hexfloat << c.r << std::defaultfloat << " -> "
        << c.roll;
}

class RollDieCases : public ::testing::TestWithParam<RollCase> {};

TEST_P(RollDieCases, RollsAndShowsTheRollOnce) {
    const RollCase c = GetParam();
    FakeAttackView view;
    ScriptedUniformSource source({c.r});

    const float roll = RollDie(c.n, source, view);

    EXPECT_EQ(roll, static_cast<float>(c.roll));
    EXPECT_EQ(source.used(), 1u);
    // The caption is the only thing written, once, during the call.
    EXPECT_EQ(view.calls,
              std::vector<std::string>{"setRollCaption(" + std::to_string(c.roll) + ")"});
}

std::vector<RollCase> extremeDraws() {
    std::vector<RollCase> cases;
    for (SmallInt n : offeredSizes) {
        cases.push_back({n, 0.0f, 1});
        cases.push_back({n, justBelowOne, n});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(ZeroAndJustBelowOne, RollDieCases, ::testing::ValuesIn(extremeDraws()));

INSTANTIATE_TEST_SUITE_P(Percentile, RollDieCases,
                         ::testing::Values(RollCase{100, 0x1.0p-7f, 1}, RollCase{100, 0.09375f, 10},
                                           RollCase{100, 0.5f, 51}, RollCase{100, 0.984375f, 99},
                                           RollCase{100, 0.99609375f, 100}));

// p = n x r is rounded to single precision before the floor. 6 x 13981013 x 2^-24 is
// exactly 5 - 2^-23 and 20 x 0.45f is 9 - 2.4e-7; both round to the integer above, so
// the rolls are 6 and 10 where exact or double arithmetic would give 5 and 9.
INSTANTIATE_TEST_SUITE_P(SinglePrecisionProduct, RollDieCases,
                         ::testing::Values(RollCase{6, 13981013 * 0x1.0p-24f, 6},
                                           RollCase{6, 13981012 * 0x1.0p-24f, 5},
                                           RollCase{20, 0.5f, 11}, RollCase{20, 0.45f, 10}));

// The caller's conversion of a roll into a small integer, at and beyond its range.
class RollAsSmallInt : public ::testing::TestWithParam<std::pair<float, std::optional<int>>> {};

TEST_P(RollAsSmallInt, IsExactInRangeAndAnOverflowOutside) {
    const auto [value, expected] = GetParam();
    if (expected) {
        EXPECT_EQ(toSmallInt(value), *expected);
    } else {
        EXPECT_THROW(toSmallInt(value), OverflowError) << value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, RollAsSmallInt,
    ::testing::Values(std::pair{-32768.0f, std::optional{-32768}},
                      std::pair{32767.0f, std::optional{32767}},
                      std::pair{-32769.0f, std::optional<int>{}},
                      std::pair{32768.0f, std::optional<int>{}},
                      std::pair{std::numeric_limits<float>::quiet_NaN(), std::optional<int>{}},
                      std::pair{-std::numeric_limits<float>::infinity(), std::optional<int>{}}));

} // namespace
} // namespace skarvel::test
