#include "AttackReference.h"

#include "AttackPass.h"
#include "FakeAttackView.h"
#include "ScriptedUniformSource.h"
#include "SmallInt.h"

#include <bit>
#include <cmath>
#include <sstream>
#include <utility>

namespace skarvel::test {

std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    os << "caption \"" << o.caption << "\", markers ";
    for (bool m : o.markers) {
        os << (m ? '1' : '0');
    }
    if (o.failure) {
        os << ", error " << static_cast<int>(*o.failure) << " field " << static_cast<int>(o.field)
           << " row " << o.row << " text \"" << o.text << '"';
    }
    return os << ", draws " << o.draws;
}

std::int64_t referenceRoll(std::int64_t n, float r) {
    int exponent = 0;
    const float fraction = std::frexp(r, &exponent); // r = fraction x 2^exponent
    const auto significand = static_cast<std::int64_t>(std::ldexp(fraction, 24));
    const int scale = 24 - exponent; // r = significand / 2^scale
    const std::int64_t product = n * significand;
    auto magnitude = static_cast<std::uint64_t>(product < 0 ? -product : product);
    const auto width = static_cast<int>(std::bit_width(magnitude));
    if (width > 24) {
        const int drop = width - 24;
        const std::uint64_t rest = magnitude & ((std::uint64_t{1} << drop) - 1);
        const std::uint64_t half = std::uint64_t{1} << (drop - 1);
        magnitude >>= drop;
        if (rest > half || (rest == half && (magnitude & 1) != 0)) {
            ++magnitude;
        }
        magnitude <<= drop;
    }
    const std::uint64_t unit = std::uint64_t{1} << scale;
    const auto floorValue = product < 0 ? -static_cast<std::int64_t>((magnitude + unit - 1) / unit)
                                        : static_cast<std::int64_t>(magnitude / unit);
    return floorValue + 1;
}

Outcome reference(const PassCase& c) {
    Outcome out = c.before;
    auto fail = [&out](AttackFailure failure, AttackField field, int row, std::string text) {
        out.failure = failure;
        out.field = field;
        out.row = row;
        out.text = std::move(text);
        return out;
    };
    if (!c.basis) {
        return fail(AttackFailure::NoEntrySelected, AttackField::HitBasisList, -1, "");
    }
    const auto bonus = referenceValue(c.bonus);
    if (!bonus) {
        return fail(AttackFailure::OutOfRange, AttackField::CreatureBonus, c.index, c.bonus.text);
    }
    if (!c.die) {
        return fail(AttackFailure::NoEntrySelected, AttackField::DieList, -1, "");
    }
    if (*c.die < -32768 || *c.die > 32767) {
        return fail(AttackFailure::OutOfRange, AttackField::DieList, -1, std::to_string(*c.die));
    }
    const std::int64_t roll = referenceRoll(*c.die, c.r);
    out.draws = 1;
    out.caption = std::to_string(roll);
    for (int i = 0; i < 8; ++i) {
        const NumberText& acText = c.armourClass[static_cast<std::size_t>(i)];
        const auto ac = referenceValue(acText);
        if (!ac) {
            return fail(AttackFailure::OutOfRange, AttackField::CharacterArmourClass, i,
                        acText.text);
        }
        bool hit = false;
        if (*c.basis >= 0 && *c.basis <= 2) {
            const std::int64_t target = *c.basis == 0   ? *bonus - *ac
                                        : *c.basis == 1 ? *ac - *bonus
                                                        : *ac + *bonus;
            if (target < -32768 || target > 32767) {
                return fail(AttackFailure::RuleOverflow, AttackField::CharacterArmourClass, i,
                            acText.text);
            }
            hit = *c.basis == 2 ? roll <= target : roll >= target;
        }
        out.markers[static_cast<std::size_t>(i)] = hit;
    }
    return out;
}

Outcome runPass(const PassCase& c) {
    FakeAttackView view;
    view.hitBasis = c.basis;
    view.dieSize = c.die;
    view.bonus.fill("99999");
    view.bonus.at(static_cast<std::size_t>(c.index)) = c.bonus.text;
    for (std::size_t i = 0; i < 8; ++i) {
        view.armourClass[i] = c.armourClass[i].text;
    }
    view.rollCaption = c.before.caption;
    view.markerVisible = c.before.markers;
    ScriptedUniformSource source({c.r});

    Outcome out;
    try {
        AttackPass(view, source).performAttack(static_cast<SmallInt>(c.index));
    } catch (const AttackError& error) {
        out.failure = error.failure();
        out.field = error.field();
        out.row = error.row();
        out.text = error.text();
    }
    out.caption = view.rollCaption;
    out.markers = view.markerVisible;
    out.draws = source.used();
    return out;
}

std::string describe(const PassCase& c) {
    std::ostringstream os;
    os << "basis " << (c.basis ? std::to_string(*c.basis) : "none") << ", die "
       << (c.die ? std::to_string(*c.die) : "none") << ", r " << std::hexfloat << c.r
       << std::defaultfloat << ", creature " << c.index << " bonus \"" << c.bonus.text
       << "\", armour classes";
    for (const NumberText& ac : c.armourClass) {
        os << " \"" << ac.text << '"';
    }
    return os.str();
}

} // namespace skarvel::test
