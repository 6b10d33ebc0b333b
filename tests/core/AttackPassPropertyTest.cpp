// Random attack passes compared with a reference that works only in wide integers
// and exact decimal digits and never calls the code under test.

#include "AttackError.h"
#include "AttackPass.h"
#include "FakeAttackView.h"
#include "RandomNumberText.h"
#include "ScriptedUniformSource.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace skarvel {
namespace {

using testing::chance;
using testing::FakeAttackView;
using testing::NumberText;
using testing::pick;
using testing::randomNumberText;
using testing::referenceValue;
using testing::Rng;
using testing::ScriptedUniformSource;

// floor(n x r) + 1 where the product is first rounded to 24 significant bits, ties
// to even, as single-precision multiplication does; worked in 64-bit integers.
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

struct PassCase {
    std::optional<std::int32_t> basis;
    std::optional<std::int32_t> die;
    int index = 0;
    NumberText bonus;
    std::array<NumberText, 8> armourClass;
    float r = 0.0f;
    Outcome before;
};

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

Outcome run(const PassCase& c) {
    FakeAttackView view;
    view.hitBasis = c.basis;
    view.dieSize = c.die;
    view.bonus.fill("99999");
    view.bonus[static_cast<std::size_t>(c.index)] = c.bonus.text;
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

float randomDraw(Rng& rng, std::int32_t die) {
    switch (std::uniform_int_distribution<int>(0, 5)(rng)) {
    case 0:
        return 0.0f;
    case 1:
        return std::nextafter(1.0f, 0.0f);
    case 2: { // the middle or the very edge of a face
        const int n = die > 0 && die <= 100 ? die : 20;
        const int face = std::uniform_int_distribution<int>(1, n)(rng);
        const float edge = static_cast<float>(face) / static_cast<float>(n);
        return chance(rng, 0.5) ? std::nextafter(edge, 0.0f)
                                : (static_cast<float>(face) - 0.5f) / static_cast<float>(n);
    }
    default: { // k / 2^e with k < 2^24: every such value is an exact float in [0, 1)
        const auto k = std::uniform_int_distribution<std::uint32_t>(0, (1u << 24) - 1)(rng);
        return std::ldexp(static_cast<float>(k), -std::uniform_int_distribution<int>(24, 40)(rng));
    }
    }
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

TEST(AttackPassProperty, agreesWithAWideIntegerReference) {
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
        const Outcome actual = run(c);
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
} // namespace skarvel
