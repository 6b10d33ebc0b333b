#include "WindowIcon.h"

#include <QColor>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace skarvel::test {
namespace {

class WindowIconTest : public ::testing::TestWithParam<int> {
protected:
    // The pixel at a distance from the centre (in 32ths of the icon) and an angle
    // counted clockwise from twelve o'clock.
    QColor at(double radius, double degrees) const {
        const double half = size() / 2.0;
        const double scale = size() / 32.0;
        const double angle = degrees * std::numbers::pi / 180.0;
        const int x = static_cast<int>(std::floor(half + radius * scale * std::sin(angle)));
        const int y = static_cast<int>(std::floor(half - radius * scale * std::cos(angle)));
        return image.pixelColor(x, y);
    }
    int size() const { return GetParam(); }

    QImage image = WindowIcon::image(GetParam());
};

bool isBlack(const QColor& c) {
    return c.alpha() == 255 && c.red() < 40 && c.green() < 40 && c.blue() < 40;
}
bool isYellow(const QColor& c) {
    return c.alpha() == 255 && c.red() > 215 && c.green() > 215 && c.blue() < 40;
}

TEST_P(WindowIconTest, BlackDiscWithThreeYellowSectors) {
    ASSERT_EQ(image.size(), QSize(size(), size()));
    EXPECT_TRUE(isBlack(at(0.5, 45)));
    for (const double sector : {0.0, 120.0, 240.0}) { // top, lower right, lower left
        EXPECT_TRUE(isYellow(at(8, sector))) << "sector at " << sector;
        EXPECT_TRUE(isBlack(at(8, sector + 60))) << "gap at " << sector + 60;
    }
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0); // outside the disc
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowIconTest, ::testing::ValuesIn(WindowIcon::sizes));

} // namespace
} // namespace skarvel::test
