#include "TextToNumber.h"

#include "OverflowError.h"
#include "PrintableText.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace skarvel::test {
namespace {

struct ConversionCase {
    std::string text;
    std::optional<int> value; // nullopt: the overflow error
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << printableText(c.text) << " -> ";
    if (c.value) {
        *os << *c.value;
    } else {
        *os << "overflow";
    }
}

class TextToSmallInt : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(TextToSmallInt, ReadsTheLeadingNumber) {
    const ConversionCase& c = GetParam();
    if (c.value) {
        EXPECT_EQ(textToSmallInt(c.text), *c.value);
    } else {
        EXPECT_THROW(textToSmallInt(c.text), OverflowError);
    }
}

constexpr std::nullopt_t overflow = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    BlanksSignsAndWords, TextToSmallInt,
    ::testing::Values(ConversionCase{"3", 3}, ConversionCase{"   3", 3}, ConversionCase{"\t3", 3},
                      ConversionCase{" \t 3", 3}, ConversionCase{"+3", 3}, ConversionCase{"-3", -3},
                      ConversionCase{"  -17", -17}, ConversionCase{"3 orcs", 3},
                      ConversionCase{"3orcs", 3}, ConversionCase{"12hp", 12},
                      ConversionCase{"-0", 0}, ConversionCase{"0007", 7}, ConversionCase{"orcs", 0},
                      ConversionCase{"orc 5", 0}, ConversionCase{"", 0}, ConversionCase{"   ", 0},
                      ConversionCase{"+", 0}, ConversionCase{"-", 0}, ConversionCase{".", 0},
                      ConversionCase{"+-3", 0}, ConversionCase{"\xEF\xBC\x93", 0}));

INSTANTIATE_TEST_SUITE_P(HalvesGoToTheEvenNeighbour, TextToSmallInt,
                         ::testing::Values(ConversionCase{"2.5", 2}, ConversionCase{"3.5", 4},
                                           ConversionCase{"-2.5", -2}, ConversionCase{"-3.5", -4},
                                           ConversionCase{"0.5", 0}, ConversionCase{"-0.5", 0},
                                           ConversionCase{"1.5", 2}, ConversionCase{"2.5000", 2},
                                           ConversionCase{"2.5001", 3}, ConversionCase{"2.4999", 2},
                                           ConversionCase{"-2.5001", -3}, ConversionCase{"0.51", 1},
                                           ConversionCase{"32766.5", 32766},
                                           ConversionCase{"32767.5", overflow},
                                           ConversionCase{"32767.4999999999999999999999", 32767},
                                           ConversionCase{"-32768.5", -32768},
                                           ConversionCase{"-32767.5", -32768},
                                           ConversionCase{"-32768.4999", -32768},
                                           ConversionCase{"-32768.5000000001", overflow}));

INSTANTIATE_TEST_SUITE_P(
    Exponents, TextToSmallInt,
    ::testing::Values(ConversionCase{"1e3", 1000}, ConversionCase{"1E3", 1000},
                      ConversionCase{"1e+3", 1000}, ConversionCase{"2.5e0", 2},
                      ConversionCase{"25e-1", 2}, ConversionCase{"35e-1", 4},
                      ConversionCase{"15e-1", 2}, ConversionCase{"5e-1", 0},
                      ConversionCase{"0.035e2", 4}, ConversionCase{"3.2767e4", 32767},
                      ConversionCase{"3.2768e4", overflow}, ConversionCase{"327675e-1", overflow},
                      ConversionCase{"-327685e-1", -32768}, ConversionCase{"1e999", overflow},
                      ConversionCase{"-1e999", overflow}, ConversionCase{"1e-999", 0},
                      ConversionCase{"0e999", 0},
                      ConversionCase{"1e99999999999999999999", overflow},
                      ConversionCase{"1e-99999999999999999999", 0}, ConversionCase{"3e", 3},
                      ConversionCase{"3e+", 3}, ConversionCase{"3e-", 3}, ConversionCase{"3E x", 3},
                      ConversionCase{"2e1e1", 20}, ConversionCase{"2e1.5", 20}));

// The simple decisions on forms beyond signed decimals: no radix prefixes, a blank
// ends the number, a sign must touch its digits, a bare point is allowed either side.
INSTANTIATE_TEST_SUITE_P(LexicalDecisions, TextToSmallInt,
                         ::testing::Values(ConversionCase{"0x1F", 0}, ConversionCase{"&H1F", 0},
                                           ConversionCase{"&O17", 0}, ConversionCase{"1 000", 1},
                                           ConversionCase{"1,000", 1}, ConversionCase{"- 3", 0},
                                           ConversionCase{"+ 3", 0}, ConversionCase{".5", 0},
                                           ConversionCase{".6", 1}, ConversionCase{"-.6", -1},
                                           ConversionCase{"5.", 5}, ConversionCase{"1.2.3", 1},
                                           ConversionCase{"7.e1", 70}));

INSTANTIATE_TEST_SUITE_P(
    RangeAndLongDigitStrings, TextToSmallInt,
    ::testing::Values(ConversionCase{"32767", 32767}, ConversionCase{"32768", overflow},
                      ConversionCase{"-32768", -32768}, ConversionCase{"-32769", overflow},
                      ConversionCase{"99999999999999999999", overflow},
                      ConversionCase{"-99999999999999999999", overflow},
                      ConversionCase{std::string(1000, '0') + "7", 7},
                      ConversionCase{"7" + std::string(1000, '0'), overflow},
                      ConversionCase{"-7" + std::string(1000, '0'), overflow},
                      ConversionCase{"0." + std::string(1000, '0') + "9", 0},
                      ConversionCase{"2.5" + std::string(1000, '0'), 2},
                      ConversionCase{"2.5" + std::string(1000, '0') + "1", 3},
                      ConversionCase{"1" + std::string(1000, '0') + "e-1000", 1},
                      ConversionCase{"0." + std::string(1000, '0') + "5e1001", 5},
                      ConversionCase{std::string(5000, '9'), overflow}));

} // namespace
} // namespace skarvel::test
