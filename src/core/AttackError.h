#pragma once

#include <stdexcept>
#include <string>

namespace skarvel {

// Which field an attack error concerns; the row is set for the two row fields.
enum class AttackField {
    HitBasisList,
    DieList,
    CreatureBonus,
    CharacterArmourClass,
};

enum class AttackFailure {
    NoEntrySelected, // the list's text was typed over, so no entry is selected
    OutOfRange,      // the field's number is outside -32768..32767
    RuleOverflow,    // the hit rule's target for this row leaves -32768..32767
};

// An error that ended an attack pass, with a message a game master can act on.
class AttackError : public std::runtime_error {
public:
    // row: 0-based row of the field, or -1 for the two lists. text: what was read.
    AttackError(AttackFailure failure, AttackField field, int row, std::string text);

    AttackFailure failure() const noexcept { return failureKind; }
    AttackField field() const noexcept { return fieldKind; }
    int row() const noexcept { return rowIndex; }
    const std::string& text() const noexcept { return fieldText; }

private:
    AttackFailure failureKind;
    AttackField fieldKind;
    int rowIndex;
    std::string fieldText;
};

} // namespace skarvel
