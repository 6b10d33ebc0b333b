#include "DesktopSysInfoLauncher.h"

#include "LauncherFakes.h"
#include "PathSearch.h"
#include "PlatformSysInfoLauncher.h"
#include "PosixProgramStarter.h"
#include "ScratchFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace skarvel {
namespace {

namespace fs = std::filesystem;

const std::pair<std::string, std::string> unavailable = {
    "System Information Is Unavailable At This Time", "Skarvel"};

class DesktopSysInfoLauncherTest : public testing::Test {
protected:
    ScratchFolder scratch;
    FakeMessageDisplay messages;

    PathSearch searchIn(const std::string& folders) const {
        return PathSearch([folders] { return std::optional<std::string>(folders); },
                          {desktopSysInfoTools.begin(), desktopSysInfoTools.end()});
    }
};

TEST_F(DesktopSysInfoLauncherTest, StartsTheFirstKnownToolOnThePath) {
    scratch.addRecorder("late/hardinfo");
    scratch.addRecorder("early/kinfocenter");
    scratch.addRecorder("early/lshw-gtk");
    const PathSearch search =
        searchIn((scratch.path() / "early").string() + ":" + (scratch.path() / "late").string());
    PosixProgramStarter starter;
    DesktopSysInfoLauncher(search, starter, messages).StartSysInfo();
    // hardinfo is preferred wherever it is on the path.
    EXPECT_EQ(scratch.waitForLog(), (scratch.path() / "late/hardinfo").string() + "\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DesktopSysInfoLauncherTest, NoKnownToolGivesTheMessage) {
    scratch.addRecorder("bin/msinfo32");
    const PathSearch search = searchIn((scratch.path() / "bin").string());
    FakeProgramStarter starter;
    DesktopSysInfoLauncher(search, starter, messages).StartSysInfo();
    EXPECT_TRUE(starter.attempts.empty());
    EXPECT_EQ(messages.shown, std::vector{unavailable});
}

TEST_F(DesktopSysInfoLauncherTest, FailedStartGivesTheMessage) {
    const fs::path tool = scratch.addRecorder("bin/cpu-x");
    const PathSearch search = searchIn((scratch.path() / "bin").string());
    FakeProgramStarter starter; // knows no program, so every start fails
    DesktopSysInfoLauncher(search, starter, messages).StartSysInfo();
    EXPECT_EQ(starter.attempts, std::vector{tool.string()});
    EXPECT_EQ(messages.shown, std::vector{unavailable});
}

// The entry point the About dialog uses, against the process's real PATH.
class PlatformSysInfoLauncherTest : public DesktopSysInfoLauncherTest {
protected:
    void SetUp() override {
        const char* path = std::getenv("PATH");
        savedPath = path == nullptr ? std::nullopt : std::optional<std::string>(path);
    }
    void TearDown() override {
        if (savedPath) {
            setenv("PATH", savedPath->c_str(), 1);
        } else {
            unsetenv("PATH");
        }
    }
    std::optional<std::string> savedPath;
};

TEST_F(PlatformSysInfoLauncherTest, StartsAKnownToolFoundOnThePath) {
    const fs::path tool = scratch.addRecorder("bin/lshw-gtk");
    PlatformSysInfoLauncher launcher(messages);
    setenv("PATH", (scratch.path() / "bin").c_str(), 1);
    launcher.StartSysInfo();
    EXPECT_EQ(scratch.waitForLog(), tool.string() + "\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PlatformSysInfoLauncherTest, NoPathGivesTheMessage) {
    PlatformSysInfoLauncher launcher(messages);
    unsetenv("PATH");
    launcher.StartSysInfo();
    setenv("PATH", scratch.path().c_str(), 1);
    launcher.StartSysInfo();
    EXPECT_EQ(messages.shown, (std::vector{unavailable, unavailable}));
}

} // namespace
} // namespace skarvel
