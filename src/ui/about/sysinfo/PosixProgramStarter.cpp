#include "PosixProgramStarter.h"

#include "StartError.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__linux__)
#include <linux/close_range.h>
#include <sys/syscall.h>
#endif

namespace skarvel {
namespace {

// Only async-signal-safe calls from here on: the caller may have other threads.
[[noreturn]] void runProgram(const char* path, int reportFd) {
    setsid();
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
#if defined(__linux__) && defined(SYS_close_range) && defined(CLOSE_RANGE_CLOEXEC)
    // Keep the application's descriptors out of the tool; failure only leaks them.
    syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC);
#endif
    // execv's argv is char* const[] for C compatibility; the strings are not modified.
    char* const argv[] = {const_cast<char*>(path), nullptr};
    execv(path, argv);
    const int error = errno;
    // Nothing can be done if the report is lost; the parent then sees success.
    [[maybe_unused]] const ssize_t written = write(reportFd, &error, sizeof error);
    _exit(127);
}

pid_t waitForChild(pid_t child, int& status) {
    pid_t result = 0;
    do {
        result = waitpid(child, &status, 0);
    } while (result < 0 && errno == EINTR);
    return result;
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

void PosixProgramStarter::start(const std::string& path) {
    // A path with a zero byte in it cannot be handed over exactly.
    if (path.empty() || path.find('\0') != std::string::npos) {
        throw StartError(path, ENOENT);
    }
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
            runProgram(path.c_str(), report[1]);
        }
        if (tool < 0) {
            const int error = errno;
            [[maybe_unused]] const ssize_t written = write(report[1], &error, sizeof error);
        }
        _exit(0);
    }

    close(report[1]);
    int status = 0;
    waitForChild(middle, status);
    const int error = readExecError(report[0]);
    close(report[0]);
    if (error != 0) {
        throw StartError(path, error);
    }
}

} // namespace skarvel
