#include "PosixProgramStarter.h"

#include "LaunchTokens.h"
#include "StartError.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string_view>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#if defined(__linux__)
#include <linux/close_range.h>
#include <sys/syscall.h>
#endif

extern "C" {
extern char** environ;
}

namespace skarvel {
namespace {

bool hasZeroByte(const std::string& text) {
    return text.find('\0') != std::string::npos;
}

std::vector<std::string> childEnvironment(LaunchTokens* tokens) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        if (!text.starts_with("DESKTOP_STARTUP_ID=") &&
            !text.starts_with("XDG_ACTIVATION_TOKEN=")) {
            entries.emplace_back(text);
        }
    }
    if (tokens != nullptr) {
        for (std::string& token : tokens->environmentForStart()) {
            entries.push_back(std::move(token));
        }
    }
    return entries;
}

// The null-terminated pointer array exec wants; the strings must outlive it. exec's
// arrays are char* const[] for C compatibility; the strings are not modified.
std::vector<char*> execArray(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Only async-signal-safe calls from here on: the caller may have other threads.
[[noreturn]] void runProgram(const char* path, char* const argv[], char* const envp[],
                             int reportFd) {
    setsid();
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
#if defined(__linux__) && defined(SYS_close_range) && defined(CLOSE_RANGE_CLOEXEC)
    // Keep the application's descriptors out of the tool; failure only leaks them.
    syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC);
#endif
    execve(path, argv, envp);
    const int error = errno;
    // Nothing can be done if the report is lost; the parent then sees success.
    [[maybe_unused]] const ssize_t written = write(reportFd, &error, sizeof error);
    _exit(127);
}

// Reaps the middle process. Its status says nothing (it always exits 0), and the wait
// fails when the application ignores SIGCHLD, as the system then reaps it; either way
// the report pipe alone tells how the start went.
void reapChild(pid_t child) {
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// Reads the exec error the grandchild reports; 0 when the pipe closed without
// data, which happens exactly when execv succeeded and closed its end.
int readExecError(int fd) {
    int error = 0;
    ssize_t got = 0;
    do {
        got = read(fd, &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

bool makeReportPipe(int (&fds)[2]) {
#if defined(__linux__)
    return pipe2(fds, O_CLOEXEC) == 0;
#else
    if (pipe(fds) != 0) {
        return false;
    }
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    fcntl(fds[1], F_SETFD, FD_CLOEXEC);
    return true;
#endif
}

} // namespace

PosixProgramStarter::PosixProgramStarter(LaunchTokens* tokens)
    : launchTokens(tokens) {}

void PosixProgramStarter::start(const ToolCommand& command) {
    const std::string& path = command.path;
    // A path or argument with a zero byte in it cannot be handed over exactly.
    if (path.empty() || hasZeroByte(path)) {
        throw StartError(path, ENOENT);
    }
    std::vector<std::string> arguments{path};
    for (const std::string& argument : command.arguments) {
        if (hasZeroByte(argument)) {
            throw StartError(path, EINVAL);
        }
        arguments.push_back(argument);
    }
    // Prepared before the fork: the child may only make async-signal-safe calls.
    std::vector<std::string> environment = childEnvironment(launchTokens);
    const std::vector<char*> argv = execArray(arguments);
    const std::vector<char*> envp = execArray(environment);
    int report[2] = {-1, -1};
    if (!makeReportPipe(report)) {
        throw StartError(path, errno);
    }
    const pid_t middle = fork();
    if (middle < 0) {
        const int error = errno;
        close(report[0]);
        close(report[1]);
        throw StartError(path, error);
    }
    if (middle == 0) {
        close(report[0]);
        const pid_t tool = fork();
        if (tool == 0) {
            runProgram(path.c_str(), argv.data(), envp.data(), report[1]);
        }
        if (tool < 0) {
            const int error = errno;
            [[maybe_unused]] const ssize_t written = write(report[1], &error, sizeof error);
        }
        _exit(0);
    }

    close(report[1]);
    reapChild(middle);
    const int error = readExecError(report[0]);
    close(report[0]);
    if (error != 0) {
        throw StartError(path, error);
    }
}

} // namespace skarvel
