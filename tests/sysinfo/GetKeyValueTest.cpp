#include "FakeRegistry.h"
#include "LauncherFakes.h"
#include "RegistryToolLocator.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>

namespace skarvel::test {
namespace {

using namespace std::string_literals;

const std::string key = "SOFTWARE\\Test";
const std::string before = "as passed";

enum class Outcome { True, False, InvalidArgument };

struct ReadCase {
    const char* name;
    std::optional<FakeValue> value; // nullopt: the key exists but the value does not
    Outcome outcome;
    std::string keyVal; // KeyVal afterwards; it held `before` on entry
    RegistryResult open = RegistryResult::Success;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

FakeValue text(std::string data, std::optional<std::uint32_t> size = std::nullopt) {
    return {RegistryValueType::String, std::move(data), size, RegistryResult::Success};
}

FakeValue typed(RegistryValueType type, std::string data) {
    return {type, std::move(data), std::nullopt, RegistryResult::Success};
}

FakeValue failing(RegistryResult result) {
    return {RegistryValueType::String, "x", std::nullopt, result};
}

const std::string full = std::string(1023, 'p') + "q";

class GetKeyValueOpen : public testing::Test {
protected:
    FakeRegistry registry;
    FakeFileProbe files;
    RegistryToolLocator locator{registry, files};
};

class GetKeyValueRead : public GetKeyValueOpen, public testing::WithParamInterface<ReadCase> {};

TEST_P(GetKeyValueRead, GivesResultAndTextAndClosesTheKey) {
    const ReadCase& c = GetParam();
    registry.addKey(key, c.open);
    if (c.value) {
        registry.setValue(key, "V", *c.value);
    }
    std::string keyVal = before;

    if (c.outcome == Outcome::InvalidArgument) {
        EXPECT_THROW(locator.GetKeyValue(RegistryRoot::LocalMachine, key, "V", keyVal),
                     std::invalid_argument);
    } else {
        EXPECT_EQ(locator.GetKeyValue(RegistryRoot::LocalMachine, key, "V", keyVal),
                  c.outcome == Outcome::True);
    }
    EXPECT_EQ(keyVal, c.keyVal);
    EXPECT_EQ(registry.opens().size(), 1U);
    EXPECT_EQ(registry.closes(), c.open == RegistryResult::Success ? 1U : 0U);
    EXPECT_EQ(registry.stillOpen(), 0U);
    EXPECT_EQ(registry.misuses(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetKeyValueRead,
    testing::Values(
        // Trimming by the reported size.
        ReadCase{"TerminatedTextLosesItsZero", text("abcd\0"s), Outcome::True, "abcd"},
        ReadCase{"UnterminatedTextStaysWhole", text("abcd"), Outcome::True, "abcd"},
        ReadCase{"OnlyTheLastZeroGoes", text("ab\0\0"s), Outcome::True, "ab\0"s},
        ReadCase{"InnerZeroIsKept", text("ab\0d"s), Outcome::True, "ab\0d"s},
        ReadCase{"SingleZeroIsEmptyText", text("\0"s), Outcome::True, ""},
        ReadCase{"ShorterReportCutsTheData", text("abcdef", 3), Outcome::True, "abc"},
        ReadCase{"LongerReportTakesTheZeroedTail", text("ab", 4), Outcome::True, "ab\0"s},
        ReadCase{"FullBufferWithoutZero", text(full), Outcome::True, full},
        ReadCase{"FullBufferEndingInZero", text(full.substr(0, 1023) + "\0"s), Outcome::True,
                 full.substr(0, 1023)},
        ReadCase{"HighBytesPassThrough", text("C:\\\xC4\xE9\0"s), Outcome::True, "C:\\\xC4\xE9"},
        // Values that cannot be read.
        ReadCase{"MissingValue", std::nullopt, Outcome::False, ""},
        ReadCase{"MoreDataResult", failing(RegistryResult::MoreData), Outcome::False, ""},
        ReadCase{"UnnamedFailureCode", failing(static_cast<RegistryResult>(1359)), Outcome::False,
                 ""},
        ReadCase{"DataOverTheBuffer", text(full + "r"), Outcome::False, ""},
        // The buffer bound holds whatever size a registry layer claims on success.
        ReadCase{"ClaimOfOneByteOver", text("abc", 1025), Outcome::False, ""},
        ReadCase{"ClaimOfLargestSize", text("abc", 0xFFFFFFFFU), Outcome::False, ""},
        // Size zero, whatever the type.
        ReadCase{"ZeroSizeText", text("", 0), Outcome::InvalidArgument, before},
        ReadCase{"ZeroSizeOtherType", FakeValue{RegistryValueType::Binary, "", 0},
                 Outcome::InvalidArgument, before},
        // Types other than text and number are read but leave KeyVal alone.
        ReadCase{"ExpandableText", typed(RegistryValueType::ExpandString, "%SystemRoot%\0"s),
                 Outcome::True, before},
        ReadCase{"BigEndianNumber", typed(RegistryValueType::DwordBigEndian, "\0\0\1\0"s),
                 Outcome::True, before},
        ReadCase{"UnnamedType", typed(static_cast<RegistryValueType>(99), "z"), Outcome::True,
                 before},
        // Numbers: the unsigned decimal of the little-endian 32 bits, replacing KeyVal.
        ReadCase{"NumberZero", typed(RegistryValueType::Dword, "\0\0\0\0"s), Outcome::True, "0"},
        ReadCase{"NumberWithZeroHighByte", typed(RegistryValueType::Dword, "\0\1\0\0"s),
                 Outcome::True, "256"},
        ReadCase{"NumberBytesInOrder", typed(RegistryValueType::Dword, "\x78\x56\x34\x12"),
                 Outcome::True, "305419896"},
        ReadCase{"NumberLargest", typed(RegistryValueType::Dword, "\xFF\xFF\xFF\xFF"),
                 Outcome::True, "4294967295"},
        // A number of another length is read from the zero-filled buffer.
        ReadCase{"NumberOfTwoBytes", typed(RegistryValueType::Dword, "\x34\x12"), Outcome::True,
                 "4660"},
        ReadCase{"NumberOfFiveBytes", typed(RegistryValueType::Dword, "\1\2\0\0\xFF"s),
                 Outcome::True, "513"},
        // Keys that cannot be opened: missing, refused, or any other failure.
        ReadCase{"KeyMissing", std::nullopt, Outcome::False, "", RegistryResult::FileNotFound},
        ReadCase{"KeyAccessDenied", text("x"), Outcome::False, "", RegistryResult::AccessDenied},
        ReadCase{"KeyUnnamedFailure", text("x"), Outcome::False, "",
                 static_cast<RegistryResult>(1018)}),
    [](const testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.name); });

TEST_F(GetKeyValueOpen, AsksForReadRightsOnlyUnderTheGivenRoot) {
    registry.setValue(key, "V", text("x"));
    std::string keyVal;
    ASSERT_TRUE(locator.GetKeyValue(RegistryRoot::LocalMachine, key, "V", keyVal));
    ASSERT_EQ(registry.opens().size(), 1U);
    const FakeRegistry::OpenCall& call = registry.opens().front();
    EXPECT_EQ(call.root, RegistryRoot::LocalMachine);
    EXPECT_EQ(call.keyName, key);
    EXPECT_EQ(call.options, 0U);
    EXPECT_EQ(call.accessMask, 0x20019U);
    EXPECT_EQ(registry.closes(), 1U);
}

} // namespace
} // namespace skarvel::test
