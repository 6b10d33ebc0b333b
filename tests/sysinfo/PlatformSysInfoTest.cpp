#include "PlatformSysInfo.h"

#include "LauncherFakes.h"
#include "PathToolLocator.h"
#include "PosixProgramStarter.h"
#include "ScratchFolder.h"
#include "SysInfoLauncher.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

const std::pair<std::string, std::string> unavailable = {
    "System Information Is Unavailable At This Time", "Skarvel"};

class PathSysInfoLauncherTest : public testing::Test {
protected:
    ScratchFolder scratch;
    FakeMessageDisplay messages;

    PathToolLocator searchIn(const std::string& folders) const {
        return PathToolLocator([folders] { return std::optional<std::string>(folders); },
                               {desktopSysInfoTools.begin(), desktopSysInfoTools.end()});
    }
};

TEST_F(PathSysInfoLauncherTest, StartsTheFirstKnownToolOnThePath) {
    scratch.addRecorder("late/hardinfo");
    scratch.addRecorder("early/kinfocenter");
    scratch.addRecorder("early/lshw-gtk");
    PathToolLocator search =
        searchIn((scratch.path() / "early").string() + ":" + (scratch.path() / "late").string());
    PosixProgramStarter starter;
    SysInfoLauncher(search, starter, messages).StartSysInfo();
    // hardinfo is preferred wherever it is on the path.
    EXPECT_EQ(scratch.waitForLog(), (scratch.path() / "late/hardinfo").string() + "\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PathSysInfoLauncherTest, NoKnownToolGivesTheMessage) {
    scratch.addRecorder("bin/msinfo32");
    PathToolLocator search = searchIn((scratch.path() / "bin").string());
    FakeProgramStarter starter;
    SysInfoLauncher(search, starter, messages).StartSysInfo();
    EXPECT_TRUE(starter.attempts.empty());
    EXPECT_EQ(messages.shown, std::vector{unavailable});
}

TEST_F(PathSysInfoLauncherTest, FailedStartGivesTheMessage) {
    const fs::path tool = scratch.addRecorder("bin/cpu-x");
    PathToolLocator search = searchIn((scratch.path() / "bin").string());
    FakeProgramStarter starter; // knows no program, so every start fails
    SysInfoLauncher(search, starter, messages).StartSysInfo();
    EXPECT_EQ(starter.attempts, std::vector{tool.string()});
    EXPECT_EQ(messages.shown, std::vector{unavailable});
}

// The entry point the About dialog uses, against the process's real PATH.
class PlatformSysInfoTest : public PathSysInfoLauncherTest {
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

TEST_F(PlatformSysInfoTest, StartsAKnownToolFoundOnThePath) {
    const fs::path tool = scratch.addRecorder("bin/lshw-gtk");
    PlatformSysInfo platform(messages);
    SysInfoLauncher& launcher = platform.launcher();
    setenv("PATH", (scratch.path() / "bin").c_str(), 1);
    launcher.StartSysInfo();
    EXPECT_EQ(scratch.waitForLog(), tool.string() + "\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PlatformSysInfoTest, NoPathGivesTheMessage) {
    // A desktop's own view is found without PATH; on such a machine the press would
    // rightly start it, so there is nothing to check here.
    for (const ToolCommand& view : desktopSysInfoViews) {
        if (fs::exists(view.path)) {
            GTEST_SKIP() << view.path << " is installed";
        }
    }
    PlatformSysInfo platform(messages);
    SysInfoLauncher& launcher = platform.launcher();
    unsetenv("PATH");
    launcher.StartSysInfo();
    setenv("PATH", scratch.path().c_str(), 1);
    launcher.StartSysInfo();
    EXPECT_EQ(messages.shown, (std::vector{unavailable, unavailable}));
}

} // namespace
} // namespace skarvel::test
