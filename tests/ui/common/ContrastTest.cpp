#include "Contrast.h"

#include <gtest/gtest.h>

namespace skarvel::test {
namespace {

struct Pair {
    QColor text;
    QColor background;
    double ratio; // worked by hand from WCAG 2's formulas, to three decimals
};

void PrintTo(const Pair& pair, std::ostream* out) {
    *out << pair.text.name().toStdString() << " on " << pair.background.name().toStdString();
}

class ContrastTest : public ::testing::TestWithParam<Pair> {};

TEST_P(ContrastTest, RatioIsTheSameInEitherOrder) {
    const Pair& pair = GetParam();
    EXPECT_NEAR(contrastRatio(pair.text, pair.background), pair.ratio, 0.0005);
    EXPECT_NEAR(contrastRatio(pair.background, pair.text), pair.ratio, 0.0005);
}

INSTANTIATE_TEST_SUITE_P(
    HandWorked, ContrastTest,
    ::testing::Values(Pair{Qt::black, Qt::white, 21.0},                              // 1.05 / 0.05
                      Pair{QColor(0x80, 0x80, 0x80), QColor(0x80, 0x80, 0x80), 1.0}, // equal
                      Pair{QColor(0x76, 0x76, 0x76), Qt::white, 4.542}, // the palest AA grey
                      Pair{Qt::black, QColor(0x20, 0x23, 0x26), 1.330}, // a dark dialog
                      Pair{QColor(0x3d, 0xae, 0xe9), QColor(0xef, 0xf0, 0xf1), 2.183}));

TEST(ReadableColourTest, PreferredOnlyWhereItReachesTheRatio) {
    const QColor grey(0x76, 0x76, 0x76); // 4.542 on white
    EXPECT_EQ(readableColour(grey, Qt::red, Qt::white, 4.5), grey);
    EXPECT_EQ(readableColour(grey, Qt::red, Qt::white, 4.55), QColor(Qt::red));
    EXPECT_EQ(readableColour(Qt::black, Qt::white, QColor(0x20, 0x23, 0x26), textContrast),
              QColor(Qt::white));
}

} // namespace
} // namespace skarvel::test
