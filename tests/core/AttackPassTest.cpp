#include "AttackPass.h"

#include "AttackError.h"
#include "FakeAttackView.h"
#include "PrintableText.h"
#include "ScriptedUniformSource.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace skarvel::test {
namespace {

using Texts = std::array<std::string, 8>;
using Markers = std::array<bool, 8>;

Markers inverted(const Markers& markers) {
    Markers out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = !markers[i];
    }
    return out;
}

struct ExampleCase {
    const char* name;
    std::int32_t basis;
    std::string bonus;
    int roll;
    Texts armourClass;
    Markers hits;
};

void PrintTo(const ExampleCase& c, std::ostream* os) {
    *os << c.name;
}

class AttackExamples : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(AttackExamples, MarksExactlyTheCharactersTheRollHits) {
    const ExampleCase& c = GetParam();
    FakeAttackView view;
    view.hitBasis = c.basis;
    view.bonus[2] = c.bonus;
    view.armourClass = c.armourClass;
    // Every marker starts in the opposite state, so each one must be written.
    view.markerVisible = inverted(c.hits);
    ScriptedUniformSource source({drawForRoll(20, c.roll)});

    AttackPass(view, source).performAttack(2);

    EXPECT_EQ(view.rollCaption, std::to_string(c.roll));
    EXPECT_EQ(view.markerVisible, c.hits);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AttackExamples,
    ::testing::Values(
        // Roll greater than AC, bonus 4, roll 11: armour class 15 or less is hit.
        ExampleCase{"greater",
                    1,
                    "4",
                    11,
                    {"15", "16", "10", "14", "20", "-3", "", "30"},
                    {true, false, true, true, false, true, true, false}},
        // THAC0 17, roll 12: armour class 5 or more is hit.
        ExampleCase{"thac0",
                    0,
                    "17",
                    12,
                    {"5", "4", "6", "10", "0", "-2", "", "32767"},
                    {true, false, true, true, false, false, false, true}},
        // Roll less than AC, bonus 0, roll 9: armour class 9 or more is hit; 8.5 reads 8.
        ExampleCase{"less",
                    2,
                    "0",
                    9,
                    {"9", "8", "10", "0", "", "20", "-9", "8.5"},
                    {true, false, true, false, false, true, false, false}},
        // Empty armour-class fields read 0 and are judged like any other row.
        ExampleCase{"emptyRowsLowestRoll",
                    1,
                    "0",
                    1,
                    {"", "", "", "", "", "", "", ""},
                    {true, true, true, true, true, true, true, true}},
        ExampleCase{"emptyRowsThac0",
                    0,
                    "20",
                    19,
                    {"", "", "", "", "", "", "", ""},
                    {false, false, false, false, false, false, false, false}}));

struct BonusCase {
    std::string text;
    int bonus;
};

void PrintTo(const BonusCase& c, std::ostream* os) {
    *os << printableText(c.text) << " -> " << c.bonus;
}

class BonusTexts : public ::testing::TestWithParam<BonusCase> {};

// Roll 10 against armour classes 10..17 under roll-greater-than-AC: row j is hit
// exactly when the bonus is at least j, so the markers spell out the bonus read. The
// other creatures' bonus of 7 would mark every row if it were read instead.
TEST_P(BonusTexts, AreReadAsTheirLeadingNumber) {
    const BonusCase& c = GetParam();
    FakeAttackView view;
    view.bonus.fill("7");
    view.bonus[5] = c.text;
    Markers expected{};
    for (std::size_t j = 0; j < 8; ++j) {
        view.armourClass[j] = std::to_string(10 + j);
        expected[j] = static_cast<int>(j) <= c.bonus;
    }
    ScriptedUniformSource source({drawForRoll(20, 10)});

    AttackPass(view, source).performAttack(5);

    EXPECT_EQ(view.markerVisible, expected);
}

INSTANTIATE_TEST_SUITE_P(Creature, BonusTexts,
                         ::testing::Values(BonusCase{"+3", 3}, BonusCase{" 3", 3},
                                           BonusCase{"\t3", 3}, BonusCase{"3 orcs", 3},
                                           BonusCase{"orcs", 0}, BonusCase{"", 0},
                                           BonusCase{"2.5", 2}, BonusCase{"3.5", 4},
                                           BonusCase{"6e0", 6}, BonusCase{"-1", -1},
                                           BonusCase{"4.6", 5}));

TEST(AttackPass, ReadsTheFieldsInOrderAndWritesEachMarkerOnce) {
    FakeAttackView view;
    view.hitBasis = 2;
    view.bonus[5] = "2";
    view.armourClass = {"5", "4", "9", "", "5", "6", "1", "12"};
    ScriptedUniformSource source({drawForRoll(20, 7)});

    AttackPass(view, source).performAttack(5);

    const std::vector<std::string> expected{
        "selectedHitBasis",   "bonusText(5)",
        "selectedDieSize",    "setRollCaption(7)",
        "armourClassText(0)", "setHitMarkerVisible(0, shown)",
        "armourClassText(1)", "setHitMarkerVisible(1, hidden)",
        "armourClassText(2)", "setHitMarkerVisible(2, shown)",
        "armourClassText(3)", "setHitMarkerVisible(3, hidden)",
        "armourClassText(4)", "setHitMarkerVisible(4, shown)",
        "armourClassText(5)", "setHitMarkerVisible(5, shown)",
        "armourClassText(6)", "setHitMarkerVisible(6, hidden)",
        "armourClassText(7)", "setHitMarkerVisible(7, shown)",
    };
    EXPECT_EQ(view.calls, expected);
    EXPECT_EQ(source.used(), 1u);
}

TEST(AttackPass, TwoPressesRollTwiceAndRejudgeFromTheFieldsAsTheyAre) {
    FakeAttackView view;
    view.bonus[0] = "0";
    view.armourClass = {"1", "2", "3", "4", "5", "6", "7", "8"};
    ScriptedUniformSource source({drawForRoll(20, 3), drawForRoll(20, 18)});
    AttackPass pass(view, source);

    pass.performAttack(0);
    EXPECT_EQ(view.rollCaption, "3");
    EXPECT_EQ(view.markerVisible, (Markers{true, true, true, false, false, false, false, false}));

    view.armourClass[7] = "19";
    pass.performAttack(0);
    EXPECT_EQ(view.rollCaption, "18");
    EXPECT_EQ(view.markerVisible, (Markers{true, true, true, true, true, true, true, false}));
    EXPECT_EQ(source.used(), 2u);
}

class UnknownHitBasis : public ::testing::TestWithParam<std::int32_t> {};

// Every armour class would overflow THAC0 and roll-greater with bonus 1, so a rule
// that was called anyway would end the pass with an error.
TEST_P(UnknownHitBasis, JudgesEveryRowAMissWithoutCallingARule) {
    FakeAttackView view;
    view.hitBasis = GetParam();
    view.bonus[1] = "1";
    view.armourClass.fill("-32768");
    ScriptedUniformSource source({drawForRoll(20, 20)});

    EXPECT_NO_THROW(AttackPass(view, source).performAttack(1));

    EXPECT_EQ(view.rollCaption, "20");
    EXPECT_EQ(view.markerVisible, Markers{});
}

INSTANTIATE_TEST_SUITE_P(Codes, UnknownHitBasis,
                         ::testing::Values(-1, 3, 4, 100, std::numeric_limits<std::int32_t>::max(),
                                           std::numeric_limits<std::int32_t>::min()));

class CreatureIndexOutOfRange : public ::testing::TestWithParam<SmallInt> {};

TEST_P(CreatureIndexOutOfRange, ThrowsBeforeReadingAnything) {
    FakeAttackView view;
    ScriptedUniformSource source({0.5f});

    EXPECT_THROW(AttackPass(view, source).performAttack(GetParam()), std::out_of_range);

    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(source.used(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Rows, CreatureIndexOutOfRange,
                         ::testing::Values(SmallInt{-1}, SmallInt{8}, SmallInt{32767},
                                           SmallInt{-32768}));

} // namespace
} // namespace skarvel::test
