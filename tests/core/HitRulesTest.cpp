#include "HitRules.h"

#include "OverflowError.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>

namespace skarvel::test {
namespace {

enum class Rule { Thac0, Greater, Less };

// The rules restated in wide integers: the target is computed without any 16-bit
// arithmetic and only then checked against the range.
std::optional<bool> referenceHit(Rule rule, int ac, int bonus, int roll) {
    const std::int64_t target = rule == Rule::Thac0     ? std::int64_t{bonus} - ac
                                : rule == Rule::Greater ? std::int64_t{ac} - bonus
                                                        : std::int64_t{ac} + bonus;
    if (target < -32768 || target > 32767) {
        return std::nullopt;
    }
    return rule == Rule::Less ? roll <= target : roll >= target;
}

bool apply(Rule rule, SmallInt ac, SmallInt bonus, SmallInt roll) {
    switch (rule) {
    case Rule::Thac0:
        return THAC0Attack(ac, bonus, roll);
    case Rule::Greater:
        return ACGreaterAttack(ac, bonus, roll);
    case Rule::Less:
        return ACLessAttack(ac, bonus, roll);
    }
    return false;
}

struct RuleCase {
    Rule rule;
    int ac;
    int bonus;
    int roll;
    std::optional<bool> hit; // nullopt: overflow
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    const char* names[] = {"THAC0", "Greater", "Less"};
    *os << names[static_cast<int>(c.rule)] << "(AC " << c.ac << ", bonus " << c.bonus << ", roll "
        << c.roll << ")";
}

class HitRuleCases : public ::testing::TestWithParam<RuleCase> {};

TEST_P(HitRuleCases, JudgesAsTheRuleSays) {
    const RuleCase c = GetParam();
    const auto ac = static_cast<SmallInt>(c.ac);
    const auto bonus = static_cast<SmallInt>(c.bonus);
    const auto roll = static_cast<SmallInt>(c.roll);
    ASSERT_EQ(referenceHit(c.rule, c.ac, c.bonus, c.roll), c.hit) << "case table is wrong";
    if (c.hit) {
        EXPECT_EQ(apply(c.rule, ac, bonus, roll), *c.hit);
    } else {
        EXPECT_THROW(apply(c.rule, ac, bonus, roll), OverflowError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, HitRuleCases,
    ::testing::Values(
        // Ties hit in every rule.
        RuleCase{Rule::Thac0, 0, 20, 20, true}, RuleCase{Rule::Thac0, 0, 20, 19, false},
        RuleCase{Rule::Thac0, 5, 17, 12, true}, RuleCase{Rule::Thac0, -2, 17, 18, false},
        RuleCase{Rule::Thac0, -2, 17, 19, true}, RuleCase{Rule::Greater, 15, 4, 11, true},
        RuleCase{Rule::Greater, 15, 4, 10, false}, RuleCase{Rule::Greater, 12, -2, 14, true},
        RuleCase{Rule::Greater, 12, -2, 13, false}, RuleCase{Rule::Less, 8, 2, 10, true},
        RuleCase{Rule::Less, 8, 2, 11, false}, RuleCase{Rule::Less, 8, -3, 5, true},
        RuleCase{Rule::Less, 8, -3, 6, false}));

INSTANTIATE_TEST_SUITE_P(
    SixteenBitEdges, HitRuleCases,
    ::testing::Values(RuleCase{Rule::Thac0, -32768, 1, 0, std::nullopt},
                      RuleCase{Rule::Thac0, -32768, -1, 32767, true}, // -1 + 32768 = 32767 fits
                      RuleCase{Rule::Thac0, 1, -32768, -32768, std::nullopt},
                      RuleCase{Rule::Thac0, 0, -32768, -32768, true},
                      RuleCase{Rule::Thac0, 32767, -1, -32768, true},   // -1 - 32767 = -32768 fits
                      RuleCase{Rule::Greater, -32768, 0, -32768, true}, // every roll hits
                      RuleCase{Rule::Greater, -32768, 1, 32767, std::nullopt},
                      RuleCase{Rule::Greater, -32767, 1, -32768, true}, // target -32768 fits
                      RuleCase{Rule::Greater, -32767, 2, 0, std::nullopt},
                      RuleCase{Rule::Greater, 32767, -1, 32767, std::nullopt},
                      RuleCase{Rule::Greater, 32767, 0, 32767, true},
                      RuleCase{Rule::Greater, 32767, 0, 32766, false},
                      RuleCase{Rule::Less, 32767, 1, 0, std::nullopt},
                      RuleCase{Rule::Less, 32767, 0, 32767, true},
                      RuleCase{Rule::Less, -32768, -1, -32768, std::nullopt},
                      RuleCase{Rule::Less, -32768, 0, -32768, true},
                      RuleCase{Rule::Less, -32768, 0, -32767, false},
                      RuleCase{Rule::Less, 16384, 16383, 32767, true},
                      RuleCase{Rule::Less, 16384, 16384, 0, std::nullopt}));

TEST(HitRules, AgreeWithWideReferenceOverAGridOfEdgeValues) {
    const int values[] = {-32768, -32767, -16385, -16384, -2,    -1,   0,
                          1,      2,      16383,  16384,  32766, 32767};
    for (Rule rule : {Rule::Thac0, Rule::Greater, Rule::Less}) {
        for (int ac : values) {
            for (int bonus : values) {
                for (int roll : values) {
                    const auto expected = referenceHit(rule, ac, bonus, roll);
                    const auto a = static_cast<SmallInt>(ac);
                    const auto b = static_cast<SmallInt>(bonus);
                    const auto r = static_cast<SmallInt>(roll);
                    if (expected) {
                        EXPECT_EQ(apply(rule, a, b, r), *expected)
                            << ac << ' ' << bonus << ' ' << roll;
                    } else {
                        EXPECT_THROW(apply(rule, a, b, r), OverflowError) << ac << ' ' << bonus;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace skarvel::test
