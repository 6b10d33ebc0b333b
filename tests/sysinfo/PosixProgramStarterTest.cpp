#include "PosixProgramStarter.h"

#include "LaunchTokens.h"
#include "ScratchFolder.h"
#include "StartError.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace skarvel::test {
namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

class PosixProgramStarterTest : public testing::Test {
protected:
    ScratchFolder scratch;
    PosixProgramStarter starter;
};

TEST_F(PosixProgramStarterTest, RunsExactlyTheFileAndLeavesNoChildBehind) {
    const fs::path tool = scratch.addRecorder("bin/tool");
    starter.start(tool.string());
    EXPECT_EQ(scratch.waitForLog(), tool.string() + "\n");
    // The middle process is already reaped and the tool is not ours to wait for.
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(PosixProgramStarterTest, PathWithBlanksIsNeverSplit) {
    // A shell or a split command line would run "<scratch>/Program" with arguments.
    const fs::path trap = scratch.addRecorder("Program");
    const fs::path tool = scratch.addRecorder("Program Files/Info Tool/run me");
    // The trap is what a split at the first blank would run: true unless the scratch
    // folder's own path holds a blank.
    ASSERT_EQ(tool.string().substr(0, tool.string().find(' ')), trap.string());
    starter.start(tool.string());
    EXPECT_EQ(scratch.waitForLog(), tool.string() + "\n");
}

TEST_F(PosixProgramStarterTest, ToolRunsOnInItsOwnSessionWithoutBeingWaitedFor) {
    const fs::path pidFile = scratch.path() / "pid";
    const fs::path tool = scratch.addRecorder(
        "slow", "echo $$ > '" + pidFile.string() + ".part'; mv '" + pidFile.string() + ".part' '" +
                    pidFile.string() + "'\nexec sleep 60\n");
    starter.start(tool.string());
    ASSERT_FALSE(scratch.waitForLog().empty());
    pid_t pid = 0;
    for (int tries = 0; tries < 1000 && pid == 0; ++tries) {
        std::ifstream(pidFile) >> pid;
        if (pid == 0) {
            usleep(10000);
        }
    }
    ASSERT_GT(pid, 0);
    EXPECT_EQ(kill(pid, 0), 0) << "the tool should still be running";
    EXPECT_EQ(getsid(pid), pid);
    kill(pid, SIGKILL);
}

TEST_F(PosixProgramStarterTest, WorksWhileTheApplicationIgnoresChildSignals) {
    // With SIGCHLD ignored the system reaps children itself and waitpid finds none.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction saved {};
    sigaction(SIGCHLD, &ignore, &saved);
    const fs::path tool = scratch.addRecorder("tool");
    EXPECT_NO_THROW(starter.start(tool.string()));
    EXPECT_THROW(starter.start((scratch.path() / "missing").string()), StartError);
    sigaction(SIGCHLD, &saved, nullptr);
    EXPECT_EQ(scratch.waitForLog(), tool.string() + "\n");
}

// The arguments arrive whole; the tool gets a fresh start-up token, never one this
// process was started with.
TEST_F(PosixProgramStarterTest, ArgumentsAndOnlyAFreshStartupToken) {
    struct FreshToken : LaunchTokens {
        std::vector<std::string> environmentForStart() override {
            return {"DESKTOP_STARTUP_ID=new"};
        }
    } tokens;
    setenv("DESKTOP_STARTUP_ID", "spent", 1);
    setenv("XDG_ACTIVATION_TOKEN", "spent", 1);
    const std::string log = scratch.log().string();
    const fs::path tool =
        scratch.addFile("tool",
                        "#!/bin/sh\nprintf '%s|' \"$@\" \"${DESKTOP_STARTUP_ID-none}\" "
                        "\"${XDG_ACTIVATION_TOKEN-none}\" > '" +
                            log + ".part'; mv '" + log + ".part' '" + log + "'\n",
                        fs::perms::owner_all);
    // Without tokens of its own the starter passes on neither inherited one.
    starter.start({tool.string(), {"info overview", "", "$HOME"}});
    EXPECT_EQ(scratch.waitForLog(), "info overview||$HOME|none|none|");
    fs::remove(scratch.log());
    PosixProgramStarter(&tokens).start(tool.string());
    unsetenv("DESKTOP_STARTUP_ID");
    unsetenv("XDG_ACTIVATION_TOKEN");
    EXPECT_EQ(scratch.waitForLog(), "new|none|");
}

#if defined(__linux__)
TEST_F(PosixProgramStarterTest, ApplicationDescriptorsStayBehind) {
    // Opened without close-on-exec, as a careless library might; placed high, clear
    // of the descriptors the shell opens for itself.
    const int opened = open("/dev/null", O_RDONLY);
    ASSERT_GE(opened, 0);
    const int fd = fcntl(opened, F_DUPFD, 213);
    close(opened);
    ASSERT_GE(fd, 213);
    const std::string log = scratch.log().string();
    const fs::path tool =
        scratch.addFile("tool",
                        "#!/bin/sh\nPATH=/usr/bin:/bin\nif [ -e /proc/$$/fd/" + std::to_string(fd) +
                            " ]; then r=leaked; else r=kept; fi\n"
                            "printf '%s\\n' $r > '" +
                            log + ".part'; mv '" + log + ".part' '" + log + "'\n",
                        fs::perms::owner_all);
    starter.start(tool.string());
    EXPECT_EQ(scratch.waitForLog(), "kept\n");
    close(fd);
}
#endif

struct Unstartable {
    const char* name;
    std::string relative; // made in the scratch folder unless empty
    std::string content;  // empty: a recorder
    fs::perms permissions;
    std::string pathSuffix; // appended to the full path handed to the starter
    std::vector<std::string> arguments;
};

void PrintTo(const Unstartable& u, std::ostream* os) {
    *os << u.name;
}

class PosixProgramStarterFailure : public testing::TestWithParam<Unstartable> {};

// A program started all the same would log its run; as it runs on its own, the test
// waits a while for a line that must never come.
TEST_P(PosixProgramStarterFailure, ThrowsStartErrorAndRunsNothing) {
    const Unstartable& u = GetParam();
    ScratchFolder scratch;
    std::string path;
    if (!u.relative.empty()) {
        path = (u.content.empty() ? scratch.addRecorder(u.relative)
                                  : scratch.addFile(u.relative, u.content, u.permissions))
                   .string();
        fs::permissions(path, u.permissions);
    }
    path += u.pathSuffix;
    PosixProgramStarter starter;
    EXPECT_THROW(starter.start({path, u.arguments}), StartError);
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    EXPECT_EQ(scratch.waitForLog(std::chrono::milliseconds(500)), "");
}

// A zero byte would cut the path or an argument short at the system's edge.
INSTANTIATE_TEST_SUITE_P(
    Cases, PosixProgramStarterFailure,
    testing::Values(
        Unstartable{"EmptyPath", "", "", fs::perms::none, "", {}},
        Unstartable{"NoSuchFile", "", "", fs::perms::none, "/nonexistent/skarvel-tool", {}},
        Unstartable{"NotExecutable", "tool", "", fs::perms::owner_read, "", {}},
        Unstartable{"Folder", "dir/x", "", fs::perms::owner_all, "/..", {}},
        Unstartable{"NotAProgram",
                    "tool",
                    "\x7F"
                    "ELFgarbage",
                    fs::perms::owner_all,
                    "",
                    {}},
        Unstartable{"ZeroByteInPath", "tool", "", fs::perms::owner_all, "\0/x"s, {}},
        Unstartable{"ZeroByteInArgument", "tool", "", fs::perms::owner_all, "", {"a\0b"s}}),
    [](const testing::TestParamInfo<Unstartable>& param) { return std::string(param.param.name); });

} // namespace
} // namespace skarvel::test
