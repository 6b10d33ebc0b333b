#include "AboutIdentity.h"

#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

namespace skarvel {
namespace {

struct VersionCase {
    SmallInt major;
    SmallInt minor;
    SmallInt revision;
    const char* expected;
};

void PrintTo(const VersionCase& c, std::ostream* out) {
    *out << c.expected;
}

class VersionNumberTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionNumberTest, WritesEachNumberInPlainDecimal) {
    const VersionCase& c = GetParam();
    const AboutIdentity identity(QStringLiteral("Skarvel"), c.major, c.minor, c.revision);
    EXPECT_EQ(identity.versionNumber().toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionNumberTest,
                         ::testing::Values(VersionCase{1, 0, 0, "1.0.0"},
                                           VersionCase{2, 10, 3, "2.10.3"},
                                           VersionCase{0, 0, 0, "0.0.0"},
                                           VersionCase{10, 0, 100, "10.0.100"},
                                           VersionCase{32767, 32767, 32767, "32767.32767.32767"}));

TEST(AboutIdentityTest, RejectsANegativeVersionNumber) {
    EXPECT_THROW(AboutIdentity(QStringLiteral("Skarvel"), -1, 0, 0), std::invalid_argument);
    EXPECT_THROW(AboutIdentity(QStringLiteral("Skarvel"), 1, -32768, 0), std::invalid_argument);
    EXPECT_THROW(AboutIdentity(QStringLiteral("Skarvel"), 1, 0, -5), std::invalid_argument);
}

} // namespace
} // namespace skarvel
