#include "AttackError.h"
#include "AttackPass.h"
#include "FakeAttackView.h"
#include "ScriptedUniformSource.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace skarvel::test {
namespace {

using Markers = std::array<bool, 8>;

const Markers previousMarkers{true, false, true, true, false, false, true, false};
const std::string previousCaption = "17";

// An error raised before the roll: nothing the game master sees may change.
struct EarlyErrorCase {
    const char* name;
    std::optional<std::int32_t> basis;
    std::string bonus;
    std::optional<std::int32_t> die;
    AttackFailure failure;
    AttackField field;
    int row;
    std::string text;
    std::vector<std::string> calls;
};

void PrintTo(const EarlyErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class ErrorBeforeTheRoll : public ::testing::TestWithParam<EarlyErrorCase> {};

TEST_P(ErrorBeforeTheRoll, ChangesNothingVisible) {
    const EarlyErrorCase& c = GetParam();
    FakeAttackView view;
    view.hitBasis = c.basis;
    view.bonus[3] = c.bonus;
    view.dieSize = c.die;
    view.armourClass.fill("10");
    view.rollCaption = previousCaption;
    view.markerVisible = previousMarkers;
    ScriptedUniformSource source({0.5f});

    try {
        AttackPass(view, source).performAttack(3);
        FAIL() << "no error";
    } catch (const AttackError& error) {
        EXPECT_EQ(error.failure(), c.failure);
        EXPECT_EQ(error.field(), c.field);
        EXPECT_EQ(error.row(), c.row);
        EXPECT_EQ(error.text(), c.text);
    }
    EXPECT_EQ(view.calls, c.calls);
    EXPECT_EQ(view.rollCaption, previousCaption);
    EXPECT_EQ(view.markerVisible, previousMarkers);
    EXPECT_EQ(source.used(), 0u);
}

const std::vector<std::string> readBasis{"selectedHitBasis"};
const std::vector<std::string> readBonus{"selectedHitBasis", "bonusText(3)"};
const std::vector<std::string> readDie{"selectedHitBasis", "bonusText(3)", "selectedDieSize"};
constexpr auto int32Max = std::numeric_limits<std::int32_t>::max();
constexpr auto int32Min = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorBeforeTheRoll,
    ::testing::Values(
        EarlyErrorCase{"noHitBasis", std::nullopt, "4", 20, AttackFailure::NoEntrySelected,
                       AttackField::HitBasisList, -1, "", readBasis},
        // The hit basis is read first, so its error wins over a bad bonus.
        EarlyErrorCase{"noHitBasisAndBadBonus", std::nullopt, "40000", std::nullopt,
                       AttackFailure::NoEntrySelected, AttackField::HitBasisList, -1, "",
                       readBasis},
        EarlyErrorCase{"bonusTooLarge", 1, "40000", 20, AttackFailure::OutOfRange,
                       AttackField::CreatureBonus, 3, "40000", readBonus},
        EarlyErrorCase{"bonusTooSmall", 1, "-32769", 20, AttackFailure::OutOfRange,
                       AttackField::CreatureBonus, 3, "-32769", readBonus},
        EarlyErrorCase{"bonusHalfAbove", 0, " 32767.5 orcs", 20, AttackFailure::OutOfRange,
                       AttackField::CreatureBonus, 3, " 32767.5 orcs", readBonus},
        EarlyErrorCase{"bonusHugeExponent", 2, "1e999", 20, AttackFailure::OutOfRange,
                       AttackField::CreatureBonus, 3, "1e999", readBonus},
        // The bonus is read before the die list.
        EarlyErrorCase{"badBonusAndNoDie", 1, "40000", std::nullopt, AttackFailure::OutOfRange,
                       AttackField::CreatureBonus, 3, "40000", readBonus},
        EarlyErrorCase{"noDie", 1, "4", std::nullopt, AttackFailure::NoEntrySelected,
                       AttackField::DieList, -1, "", readDie},
        EarlyErrorCase{"dieDataTooLarge", 1, "4", 32768, AttackFailure::OutOfRange,
                       AttackField::DieList, -1, "32768", readDie},
        EarlyErrorCase{"dieDataTooSmall", 1, "4", -32769, AttackFailure::OutOfRange,
                       AttackField::DieList, -1, "-32769", readDie},
        EarlyErrorCase{"dieDataMax", 1, "4", int32Max, AttackFailure::OutOfRange,
                       AttackField::DieList, -1, std::to_string(int32Max), readDie},
        EarlyErrorCase{"dieDataMin", 1, "4", int32Min, AttackFailure::OutOfRange,
                       AttackField::DieList, -1, std::to_string(int32Min), readDie}));

enum class RowFault { ArmourClassOutOfRange, RuleOverflow };

void PrintTo(RowFault fault, std::ostream* os) {
    *os << (fault == RowFault::ArmourClassOutOfRange ? "armourClassOutOfRange" : "ruleOverflow");
}

// An error in character row i: the roll is shown and rows above i carry this pass's
// results, while row i and the rows below keep what they showed before.
class ErrorInCharacterRow : public ::testing::TestWithParam<std::tuple<RowFault, SmallInt>> {};

TEST_P(ErrorInCharacterRow, LeavesThatRowAndTheRowsBelowUntouched) {
    const auto [fault, failing] = GetParam();
    const auto failingRow = static_cast<std::size_t>(failing);
    FakeAttackView view;
    view.hitBasis = 0;
    view.bonus[4] = "1";
    // THAC0 1 against armour class -10 needs 11, so a roll of 5 misses every row above.
    view.armourClass.fill("-10");
    const std::string badText =
        fault == RowFault::ArmourClassOutOfRange ? "32768" : "-32768"; // 1 + 32768 overflows
    view.armourClass[failingRow] = badText;
    view.rollCaption = previousCaption;
    view.markerVisible.fill(true);
    ScriptedUniformSource source({drawForRoll(20, 5)});

    try {
        AttackPass(view, source).performAttack(4);
        FAIL() << "no error";
    } catch (const AttackError& error) {
        EXPECT_EQ(error.failure(), fault == RowFault::ArmourClassOutOfRange
                                       ? AttackFailure::OutOfRange
                                       : AttackFailure::RuleOverflow);
        EXPECT_EQ(error.field(), AttackField::CharacterArmourClass);
        EXPECT_EQ(error.row(), failing);
        EXPECT_EQ(error.text(), badText);
    }

    EXPECT_EQ(view.rollCaption, "5");
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(view.markerVisible[i], i >= failingRow) << "row " << i;
    }
    EXPECT_EQ(view.calls.back(), "armourClassText(" + std::to_string(failing) + ")");
    EXPECT_EQ(view.calls.size(), 4 + 2 * failingRow + 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, ErrorInCharacterRow,
                         ::testing::Combine(::testing::Values(RowFault::ArmourClassOutOfRange,
                                                              RowFault::RuleOverflow),
                                            ::testing::Range(SmallInt{0}, SmallInt{8})));

// The message is what the game master reads: it names the field, the 1-based row
// and the text read, and says what would be accepted.
struct MessageCase {
    const char* name;
    std::optional<std::int32_t> basis;
    std::optional<std::int32_t> die;
    std::string bonus;
    std::string armourClass; // written to character row 7
    std::string message;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

class AttackErrorMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(AttackErrorMessage, TellsTheGameMasterWhatToFix) {
    const MessageCase& c = GetParam();
    FakeAttackView view;
    view.hitBasis = c.basis;
    view.dieSize = c.die;
    view.bonus[3] = c.bonus;
    view.armourClass.fill("10");
    view.armourClass[7] = c.armourClass;
    ScriptedUniformSource source({0.5f});

    try {
        AttackPass(view, source).performAttack(3);
        FAIL() << "no error";
    } catch (const AttackError& error) {
        EXPECT_EQ(error.what(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, AttackErrorMessage,
    ::testing::Values(
        MessageCase{"hitBasisList", std::nullopt, 20, "4", "10",
                    "No hit calculation is chosen. Choose an entry in the Hit Calculation list."},
        MessageCase{"dieList", 1, std::nullopt, "4", "10",
                    "No die is chosen. Choose an entry in the Hit Die to Roll list."},
        MessageCase{"dieData", 1, 70000, "4", "10",
                    "The Hit Die to Roll list (\"70000\") is outside -32768 to 32767."},
        MessageCase{"bonus", 1, 20, "40000", "10",
                    "The bonus of creature 4 (\"40000\") is outside -32768 to 32767."},
        // A field has no length limit, so the quote is cut, at a character boundary.
        MessageCase{"longBonus", 1, 20, std::string(39, '9') + "\u00e9xyz", "10",
                    "The bonus of creature 4 (\"" + std::string(39, '9') +
                        "\u2026\") is outside -32768 to 32767."},
        MessageCase{"armourClass", 1, 20, "4", "-1e999",
                    "The armour class of character 8 (\"-1e999\") is outside -32768 to 32767."},
        // The target leaves the range above (1 + 32768) and below (-32768 - 1); in both
        // directions the cure is a value nearer to 0, never simply a smaller one.
        MessageCase{"thac0Overflow", 0, 20, "1", "-32768",
                    "The hit calculation for character 8 (armour class \"-32768\") gives a "
                    "target outside -32768 to 32767. Bring the armour class or the bonus closer "
                    "to 0."},
        MessageCase{"lessOverflow", 2, 20, "-1", "-32768",
                    "The hit calculation for character 8 (armour class \"-32768\") gives a "
                    "target outside -32768 to 32767. Bring the armour class or the bonus closer "
                    "to 0."}));

} // namespace
} // namespace skarvel::test
