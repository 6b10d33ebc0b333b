#include "AttackError.h"

namespace skarvel {
namespace {

std::string fieldName(AttackField field, int row) {
    const std::string number = std::to_string(row + 1);
    switch (field) {
    case AttackField::HitBasisList:
        return "the Hit Calculation list";
    case AttackField::DieList:
        return "the Hit Die to Roll list";
    case AttackField::CreatureBonus:
        return "the bonus of creature " + number;
    case AttackField::CharacterArmourClass:
        return "the armour class of character " + number;
    }
    return "a field";
}

// A message quotes what the user typed, but a field has no length limit: keep the quote
// to a glance and cut it at a UTF-8 character boundary, never inside a character.
std::string quoted(const std::string& text) {
    constexpr std::size_t longest = 40;
    if (text.size() <= longest) {
        return "\"" + text + "\"";
    }
    std::size_t cut = longest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0U) == 0x80U) {
        --cut; // a continuation byte: step back to the start of its character
    }
    return "\"" + text.substr(0, cut) + "\u2026\"";
}

std::string describe(AttackFailure failure, AttackField field, int row, const std::string& text) {
    switch (failure) {
    case AttackFailure::NoEntrySelected:
        return field == AttackField::DieList
                   ? "No die is chosen. Choose an entry in the Hit Die to Roll list."
                   : "No hit calculation is chosen. Choose an entry in the Hit Calculation list.";
    case AttackFailure::OutOfRange: {
        std::string name = fieldName(field, row);
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
        return name + " (" + quoted(text) + ") is outside -32768 to 32767.";
    }
    case AttackFailure::RuleOverflow:
        // The target leaves the range only when the values are far from 0 (a sum of two
        // large values of one sign, or a difference of two of opposite signs), so moving
        // either toward 0 is the cure in every rule; "smaller" would mislead below zero.
        return "The hit calculation for character " + std::to_string(row + 1) + " (armour class " +
               quoted(text) +
               ") gives a target outside -32768 to 32767. Bring the armour class or the bonus "
               "closer to 0.";
    }
    return "The attack failed.";
}

} // namespace

AttackError::AttackError(AttackFailure failure, AttackField field, int row, std::string text)
    : std::runtime_error(describe(failure, field, row, text))
    , failureKind(failure)
    , fieldKind(field)
    , rowIndex(row)
    , fieldText(std::move(text)) {}

} // namespace skarvel
