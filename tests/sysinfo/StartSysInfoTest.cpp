#include "FakeRegistry.h"
#include "LauncherFakes.h"
#include "RegistryToolLocator.h"
#include "SysInfoLauncher.h"

#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace skarvel::test {
namespace {

using namespace std::string_literals;
using Paths = std::vector<std::string>;

const std::string first = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string second = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string tool = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
const std::string folder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string inFolder = folder + "\\MSINFO32.EXE";

FakeValue text(std::string data) {
    return {RegistryValueType::String, std::move(data) + "\0"s, std::nullopt,
            RegistryResult::Success};
}

struct Scenario {
    const char* name;
    std::function<void(FakeRegistry&)> registry;
    Paths files;    // where the file test finds a file
    Paths programs; // what can be started
    Paths started;
    bool message;
    Paths keysOpened; // in order
};

void PrintTo(const Scenario& s, std::ostream* os) {
    *os << s.name;
}

class StartSysInfoScenario : public testing::TestWithParam<Scenario> {};

TEST_P(StartSysInfoScenario, StartsTheToolOrShowsTheMessage) {
    const Scenario& s = GetParam();
    FakeRegistry registry;
    FakeFileProbe files;
    FakeProgramStarter starter;
    FakeMessageDisplay messages;
    s.registry(registry);
    files.files.insert(s.files.begin(), s.files.end());
    starter.programs.insert(s.programs.begin(), s.programs.end());

    RegistryToolLocator locator(registry, files);
    SysInfoLauncher(locator, starter, messages).StartSysInfo();

    EXPECT_EQ(starter.started, s.started);
    if (s.message) {
        ASSERT_EQ(messages.shown.size(), 1U);
        EXPECT_EQ(messages.shown[0].first, "System Information Is Unavailable At This Time");
        EXPECT_EQ(messages.shown[0].second, "Skarvel");
    } else {
        EXPECT_TRUE(messages.shown.empty());
    }
    EXPECT_EQ(registry.openedKeyNames(), s.keysOpened);
    EXPECT_EQ(registry.stillOpen(), 0U);
    EXPECT_EQ(registry.misuses(), 0U);
}

void none(FakeRegistry&) {}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartSysInfoScenario,
    testing::Values(
        Scenario{"FirstLocationIsStartedUncheckedAndSecondNotRead",
                 [](FakeRegistry& r) {
                     r.setValue(first, "PATH", text(tool));
                     r.setValue(second, "MSINFO", text(folder));
                 },
                 {},
                 {tool},
                 {tool},
                 false,
                 {first}},
        Scenario{"FolderWithTheToolIsStarted",
                 [](FakeRegistry& r) { r.setValue(second, "MSINFO", text(folder)); },
                 {inFolder},
                 {inFolder},
                 {inFolder},
                 false,
                 {first, second}},
        Scenario{"FolderWithoutTheToolGivesTheMessage",
                 [](FakeRegistry& r) { r.setValue(second, "MSINFO", text(folder)); },
                 {},
                 {inFolder},
                 {},
                 true,
                 {first, second}},
        Scenario{"TrailingBackslashIsNotLookedFor",
                 [](FakeRegistry& r) { r.setValue(second, "MSINFO", text(folder + "\\")); },
                 {folder + "\\\\MSINFO32.EXE"},
                 {folder + "\\\\MSINFO32.EXE"},
                 {folder + "\\\\MSINFO32.EXE"},
                 false,
                 {first, second}},
        Scenario{
            "BothMissingGivesTheMessage", none, {inFolder}, {inFolder}, {}, true, {first, second}},
        Scenario{"FirstKeyWithoutValueFallsThrough",
                 [](FakeRegistry& r) {
                     r.addKey(first);
                     r.setValue(second, "MSINFO", text(folder));
                 },
                 {inFolder},
                 {inFolder},
                 {inFolder},
                 false,
                 {first, second}},
        Scenario{"FirstPathToNothingGivesTheMessageWithoutTheSecond",
                 [](FakeRegistry& r) {
                     r.setValue(first, "PATH", text("C:\\gone\\msinfo32.exe"));
                     r.setValue(second, "MSINFO", text(folder));
                 },
                 {inFolder},
                 {inFolder},
                 {},
                 true,
                 {first}},
        Scenario{"FirstEmptyTextGivesTheMessage",
                 [](FakeRegistry& r) {
                     r.setValue(first, "PATH", text(""));
                     r.setValue(second, "MSINFO", text(folder));
                 },
                 {inFolder},
                 {inFolder},
                 {},
                 true,
                 {first}},
        Scenario{"FirstZeroSizeGivesTheMessageWithoutTheSecond",
                 [](FakeRegistry& r) {
                     r.setValue(first, "PATH", {RegistryValueType::String, "", 0});
                     r.setValue(second, "MSINFO", text(folder));
                 },
                 {inFolder},
                 {inFolder},
                 {},
                 true,
                 {first}},
        Scenario{"SecondZeroSizeGivesTheMessage",
                 [](FakeRegistry& r) {
                     r.setValue(second, "MSINFO", {RegistryValueType::String, "", 0});
                 },
                 {inFolder},
                 {inFolder},
                 {},
                 true,
                 {first, second}},
        Scenario{"FirstExpandableTextGivesTheMessage",
                 [](FakeRegistry& r) {
                     r.setValue(first, "PATH",
                                {RegistryValueType::ExpandString, tool + "\0"s, std::nullopt});
                     r.setValue(second, "MSINFO", text(folder));
                 },
                 {inFolder},
                 {tool, inFolder},
                 {},
                 true,
                 {first}},
        Scenario{"FirstNumberIsStartedAsItsDecimalText",
                 [](FakeRegistry& r) {
                     r.setValue(first, "PATH", {RegistryValueType::Dword, "\x2A\0\0\0"s});
                 },
                 {},
                 {"42"},
                 {"42"},
                 false,
                 {first}},
        Scenario{"FirstTooLongFallsThroughToTheSecond",
                 [](FakeRegistry& r) {
                     r.setValue(first, "PATH", text(std::string(1100, 'x')));
                     r.setValue(second, "MSINFO", text(folder));
                 },
                 {inFolder},
                 {inFolder},
                 {inFolder},
                 false,
                 {first, second}},
        Scenario{"FirstClaimingAnOversizeFallsThroughToTheSecond",
                 [](FakeRegistry& r) {
                     r.setValue(first, "PATH", {RegistryValueType::String, tool, 4096});
                     r.setValue(second, "MSINFO", text(folder));
                 },
                 {inFolder},
                 {tool, inFolder},
                 {inFolder},
                 false,
                 {first, second}},
        Scenario{"DeniedKeysGiveTheMessage",
                 [](FakeRegistry& r) {
                     r.addKey(first, RegistryResult::AccessDenied);
                     r.addKey(second, RegistryResult::AccessDenied);
                 },
                 {inFolder},
                 {inFolder},
                 {},
                 true,
                 {first, second}}),
    [](const testing::TestParamInfo<Scenario>& param) { return std::string(param.param.name); });

class StartSysInfoTrap : public testing::Test {
protected:
    FakeRegistry registry;
    FakeFileProbe files;
    FakeProgramStarter starter;
    FakeMessageDisplay messages;
    RegistryToolLocator locator{registry, files};
    SysInfoLauncher launcher{locator, starter, messages};
};

TEST_F(StartSysInfoTrap, AnyErrorOnTheWayEndsInTheMessage) {
    const std::vector<std::function<void()>> throwers = {
        [] { throw std::bad_alloc(); },
        [] { throw std::logic_error("odd"); },
        [] { throw 7; },
    };
    registry.setValue(second, "MSINFO", text(folder));
    files.files.insert(inFolder);
    starter.programs.insert(inFolder);
    for (const auto& thrower : throwers) {
        files.beforeAnswer = thrower;
        EXPECT_NO_THROW(launcher.StartSysInfo());
        files.beforeAnswer = nullptr;
        starter.beforeStart = thrower;
        EXPECT_NO_THROW(launcher.StartSysInfo());
        starter.beforeStart = nullptr;
    }
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(messages.shown.size(), 2 * throwers.size());
    EXPECT_EQ(registry.stillOpen(), 0U);
}

TEST_F(StartSysInfoTrap, AFailingMessageBoxDoesNotEscapeEither) {
    messages.beforeShow = [] {
        throw std::runtime_error("no display");
    };
    EXPECT_NO_THROW(launcher.StartSysInfo());
}

TEST_F(StartSysInfoTrap, EachPressLooksAfresh) {
    launcher.StartSysInfo();
    registry.setValue(first, "PATH", text(tool));
    starter.programs.insert(tool);
    launcher.StartSysInfo();
    EXPECT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(starter.started, Paths{tool});
}

} // namespace
} // namespace skarvel::test
