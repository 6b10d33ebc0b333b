#include "AttackPass.h"

#include "AttackError.h"
#include "AttackView.h"
#include "DieRoll.h"
#include "HitRules.h"
#include "OverflowError.h"
#include "TextToNumber.h"

#include <stdexcept>

namespace skarvel {
namespace {

SmallInt convertField(const std::string& text, AttackField field, int row) {
    try {
        return textToSmallInt(text);
    } catch (const OverflowError&) {
        throw AttackError(AttackFailure::OutOfRange, field, row, text);
    }
}

bool judge(std::int32_t basis, SmallInt AC, SmallInt Bonus, SmallInt Roll) {
    switch (static_cast<HitBasis>(basis)) {
    case HitBasis::Thac0:
        return THAC0Attack(AC, Bonus, Roll);
    case HitBasis::RollGreaterThanAC:
        return ACGreaterAttack(AC, Bonus, Roll);
    case HitBasis::RollLessThanAC:
        return ACLessAttack(AC, Bonus, Roll);
    }
    return false; // an unknown code selects no rule: every row misses
}

} // namespace

AttackPass::AttackPass(AttackView& window, UniformSource& generator)
    : view(window)
    , source(generator) {}

void AttackPass::performAttack(SmallInt Index) {
    if (Index < 0 || Index >= rowCount) {
        throw std::out_of_range("creature row " + std::to_string(Index) + " is not 0..7");
    }

    const auto basis = view.selectedHitBasis();
    if (!basis) {
        throw AttackError(AttackFailure::NoEntrySelected, AttackField::HitBasisList, -1, {});
    }

    const SmallInt Bonus = convertField(view.bonusText(Index), AttackField::CreatureBonus, Index);

    const auto dieData = view.selectedDieSize();
    if (!dieData) {
        throw AttackError(AttackFailure::NoEntrySelected, AttackField::DieList, -1, {});
    }
    SmallInt n = 0;
    try {
        n = toSmallInt(std::int64_t{*dieData});
    } catch (const OverflowError&) {
        throw AttackError(AttackFailure::OutOfRange, AttackField::DieList, -1,
                          std::to_string(*dieData));
    }

    const SmallInt Roll = toSmallInt(RollDie(n, source, view));

    for (SmallInt i = 0; i < rowCount; ++i) {
        const std::string acText = view.armourClassText(i);
        const SmallInt AC = convertField(acText, AttackField::CharacterArmourClass, i);
        bool hit = false;
        try {
            hit = judge(*basis, AC, Bonus, Roll);
        } catch (const OverflowError&) {
            throw AttackError(AttackFailure::RuleOverflow, AttackField::CharacterArmourClass, i,
                              acText);
        }
        view.setHitMarkerVisible(i, hit);
    }
}

} // namespace skarvel
