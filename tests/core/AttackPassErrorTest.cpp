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

// An error raised before the roll: nothing the game master sees may change. The message
// is what the game master reads: it names the field, the 1-based row and the text read
// (cut, at a character boundary, when long), and says what would be accepted.
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
    std::string message;
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
        EXPECT_EQ(error.what(), c.message);
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
const std::string noBasisMessage =
    "No hit calculation is chosen. Choose an entry in the Hit Calculation list.";
std::string bonusMessage(const std::string& quote) {
    return "The bonus of creature 4 (" + quote + ") is outside -32768 to 32767.";
}
std::string dieMessage(const std::string& text) {
    return "The Hit Die to Roll list (\"" + text + "\") is outside -32768 to 32767.";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorBeforeTheRoll,
    ::testing::Values(
        EarlyErrorCase{"noHitBasis", std::nullopt, "4", 20, AttackFailure::NoEntrySelected,
                       AttackField::HitBasisList, -1, "", readBasis, noBasisMessage},
        // The hit basis is read first, so its error wins over a bad bonus.
        EarlyErrorCase{"noHitBasisAndBadBonus", std::nullopt, "40000", std::nullopt,
                       AttackFailure::NoEntrySelected, AttackField::HitBasisList, -1, "", readBasis,
                       noBasisMessage},
        EarlyErrorCase{"bonusTooLarge", 1, "40000", 20, AttackFailure::OutOfRange,
                       AttackField::CreatureBonus, 3, "40000", readBonus,
                       bonusMessage("\"40000\"")},
        EarlyErrorCase{"bonusTooSmall", 1, "-32769", 20, AttackFailure::OutOfRange,
                       AttackField::CreatureBonus, 3, "-32769", readBonus,
                       bonusMessage("\"-32769\"")},
        EarlyErrorCase{"bonusHalfAbove", 0, " 32767.5 orcs", 20, AttackFailure::OutOfRange,
                       AttackField::CreatureBonus, 3, " 32767.5 orcs", readBonus,
                       bonusMessage("\" 32767.5 orcs\"")},
        EarlyErrorCase{"bonusHugeExponent", 2, "1e999", 20, AttackFailure::OutOfRange,
                       AttackField::CreatureBonus, 3, "1e999", readBonus,
                       bonusMessage("\"1e999\"")},
        EarlyErrorCase{"bonusLong", 1, std::string(39, '9') + "\u00e9xyz", 20,
                       AttackFailure::OutOfRange, AttackField::CreatureBonus, 3,
                       std::string(39, '9') + "\u00e9xyz", readBonus,
                       bonusMessage("\"" + std::string(39, '9') + "\u2026\"")},
        // The bonus is read before the die list.
        EarlyErrorCase{"badBonusAndNoDie", 1, "40000", std::nullopt, AttackFailure::OutOfRange,
                       AttackField::CreatureBonus, 3, "40000", readBonus,
                       bonusMessage("\"40000\"")},
        EarlyErrorCase{"noDie", 1, "4", std::nullopt, AttackFailure::NoEntrySelected,
                       AttackField::DieList, -1, "", readDie,
                       "No die is chosen. Choose an entry in the Hit Die to Roll list."},
        EarlyErrorCase{"dieDataTooLarge", 1, "4", 32768, AttackFailure::OutOfRange,
                       AttackField::DieList, -1, "32768", readDie, dieMessage("32768")},
        EarlyErrorCase{"dieDataTooSmall", 1, "4", -32769, AttackFailure::OutOfRange,
                       AttackField::DieList, -1, "-32769", readDie, dieMessage("-32769")},
        EarlyErrorCase{"dieDataMax", 1, "4", int32Max, AttackFailure::OutOfRange,
                       AttackField::DieList, -1, std::to_string(int32Max), readDie,
                       dieMessage("2147483647")},
        EarlyErrorCase{"dieDataMin", 1, "4", int32Min, AttackFailure::OutOfRange,
                       AttackField::DieList, -1, std::to_string(int32Min), readDie,
                       dieMessage("-2147483648")}));

struct RowFault {
    const char* name;
    std::int32_t basis;
    const char* text; // in the failing row
    AttackFailure failure;
};

void PrintTo(const RowFault& fault, std::ostream* os) {
    *os << fault.name;
}

// An error in character row i: the roll is shown and rows above i carry this pass's
// results, while row i and the rows below keep what they showed before.
class ErrorInCharacterRow : public ::testing::TestWithParam<std::tuple<RowFault, SmallInt>> {};

TEST_P(ErrorInCharacterRow, LeavesThatRowAndTheRowsBelowUntouched) {
    const auto [fault, failing] = GetParam();
    const auto failingRow = static_cast<std::size_t>(failing);
    FakeAttackView view;
    view.hitBasis = fault.basis;
    view.bonus[4] = "1";
    // Bonus 1 against armour class -10 needs 11 under THAC0 and at most -9 under roll
    // less than AC, so a roll of 5 misses every row above.
    view.armourClass.fill("-10");
    view.armourClass[failingRow] = fault.text;
    view.rollCaption = previousCaption;
    view.markerVisible.fill(true);
    ScriptedUniformSource source({drawForRoll(20, 5)});

    const std::string character = "character " + std::to_string(failing + 1);
    const std::string quote = "\"" + std::string(fault.text) + "\"";
    try {
        AttackPass(view, source).performAttack(4);
        FAIL() << "no error";
    } catch (const AttackError& error) {
        EXPECT_EQ(error.failure(), fault.failure);
        EXPECT_EQ(error.field(), AttackField::CharacterArmourClass);
        EXPECT_EQ(error.row(), failing);
        EXPECT_EQ(error.text(), fault.text);
        // The cure is a value nearer to 0, never simply a smaller one.
        EXPECT_EQ(error.what(),
                  fault.failure == AttackFailure::OutOfRange
                      ? "The armour class of " + character + " (" + quote +
                            ") is outside -32768 to 32767."
                      : "The hit calculation for " + character + " (armour class " + quote +
                            ") gives a target outside -32768 to 32767. Bring the armour class "
                            "or the bonus closer to 0.");
    }

    EXPECT_EQ(view.rollCaption, "5");
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(view.markerVisible[i], i >= failingRow) << "row " << i;
    }
    EXPECT_EQ(view.calls.back(), "armourClassText(" + std::to_string(failing) + ")");
    EXPECT_EQ(view.calls.size(), 4 + 2 * failingRow + 1);
}

// The rule's target leaves the range above under THAC0 (1 + 32768) and under roll less
// than AC (32767 + 1).
INSTANTIATE_TEST_SUITE_P(
    Rows, ErrorInCharacterRow,
    ::testing::Combine(
        ::testing::Values(RowFault{"armourClassOutOfRange", 0, "32768", AttackFailure::OutOfRange},
                          RowFault{"thac0Overflow", 0, "-32768", AttackFailure::RuleOverflow},
                          RowFault{"lessOverflow", 2, "32767", AttackFailure::RuleOverflow}),
        ::testing::Range(SmallInt{0}, SmallInt{8})));

} // namespace
} // namespace skarvel::test
