#include "AboutIdentity.h"

#include "CountingSysInfoLauncher.h"
#include "FindControl.h"
#include "frmAbout.h"

#include <QLabel>
#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

namespace skarvel::test {
namespace {

struct IdentityCase {
    const char* title;
    std::int16_t major;
    std::int16_t minor;
    std::int16_t revision;
    const char* caption;
    const char* version;
};

void PrintTo(const IdentityCase& c, std::ostream* out) {
    *out << c.version;
}

class ShownIdentityTest : public ::testing::TestWithParam<IdentityCase> {};

TEST_P(ShownIdentityTest, LoadWritesCaptionTitleAndVersion) {
    const IdentityCase& c = GetParam();
    CountingSysInfoLauncher launcher;
    frmAbout dialog(launcher.launcher(),
                    AboutIdentity(QString::fromUtf8(c.title), c.major, c.minor, c.revision));
    dialog.showAbout();
    EXPECT_EQ(dialog.windowTitle().toStdString(), c.caption);
    EXPECT_EQ(findControl<QLabel>(dialog, "lblTitle").text().toStdString(), c.title);
    EXPECT_EQ(findControl<QLabel>(dialog, "lblVersion").text().toStdString(), c.version);
}

INSTANTIATE_TEST_SUITE_P(
    Identities, ShownIdentityTest,
    ::testing::Values(IdentityCase{"Skarvel", 2, 10, 3, "About Skarvel", "Version 2.10.3"},
                      IdentityCase{"Skarvel", 0, 0, 0, "About Skarvel", "Version 0.0.0"},
                      IdentityCase{"Dice Bag", 10, 0, 100, "About Dice Bag", "Version 10.0.100"},
                      IdentityCase{"Skarvel", 32767, 32767, 32767, "About Skarvel",
                                   "Version 32767.32767.32767"}));

TEST(AboutIdentityTest, RejectsANegativeVersionNumber) {
    EXPECT_THROW(AboutIdentity(QStringLiteral("Skarvel"), -1, 0, 0), std::invalid_argument);
    EXPECT_THROW(AboutIdentity(QStringLiteral("Skarvel"), 1, -32768, 0), std::invalid_argument);
    EXPECT_THROW(AboutIdentity(QStringLiteral("Skarvel"), 1, 0, -5), std::invalid_argument);
}

} // namespace
} // namespace skarvel::test
