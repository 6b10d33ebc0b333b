// Start-up time and peak memory of programs, measured from outside: each run forks,
// takes CLOCK_MONOTONIC just before the exec, reads the time the child reports for its
// first painted frame and its private resident memory then, and takes the child's peak
// resident set from wait4. Runs of the programs take turns so that all see the same
// machine load.
//
//   startup_bench [--runs N] BASELINE ... FLOOR CANDIDATE
//
// Prints the median, lowest and highest of each, every later program's ratio and excess
// over the first, and the candidate's over the floor, the program just before it, with
// whether they meet the targets: start-up at most 1.20 times the floor's, peak resident
// set at most 2 MiB and private memory at the first frame at most 1 MiB above it.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double startupMs;
    double peakMiB;
    double privateMiB;
};

std::int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

[[noreturn]] void die(const std::string& message) {
    std::fprintf(stderr, "startup_bench: %s\n", message.c_str());
    std::exit(1);
}

Run runOnce(const char* program) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        die(std::string("pipe: ") + std::strerror(errno));
    }
    const std::int64_t start = monotonicNs();
    const pid_t child = fork();
    if (child < 0) {
        die(std::string("fork: ") + std::strerror(errno));
    }
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);

    std::string output;
    pollfd watched{pipeEnds[0], POLLIN, 0};
    constexpr int timeoutMs = 30000;
    while (poll(&watched, 1, timeoutMs) > 0) {
        char buffer[64];
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    if (output.empty()) {
        kill(child, SIGKILL);
    }

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        die(std::string("wait4: ") + std::strerror(errno));
    }
    if (output.empty() || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        die(std::string(program) + " did not report a first frame and exit cleanly");
    }
    char* rest = nullptr;
    const std::int64_t painted = std::strtoll(output.c_str(), &rest, 10);
    const long privateKiB = std::strtol(rest, nullptr, 10);
    // ru_maxrss is in KiB on Linux.
    return {static_cast<double>(painted - start) / 1e6,
            static_cast<double>(usage.ru_maxrss) / 1024.0,
            static_cast<double>(privateKiB) / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

struct Summary {
    double startupMedian, startupLow, startupHigh, peakMedian, privateMedian;
};

Summary summarise(const std::vector<Run>& runs) {
    std::vector<double> startup;
    std::vector<double> peak;
    std::vector<double> own;
    for (const Run& run : runs) {
        startup.push_back(run.startupMs);
        peak.push_back(run.peakMiB);
        own.push_back(run.privateMiB);
    }
    return {median(startup), *std::min_element(startup.begin(), startup.end()),
            *std::max_element(startup.begin(), startup.end()), median(peak), median(own)};
}

// The file name of a program path, for labels; POSIX basename may modify its argument.
const char* programName(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

void print(const char* label, const Summary& s) {
    std::printf("  %-22s start-up median %7.2f ms (%.2f..%.2f)   peak RSS median %6.2f MiB"
                "   private at first frame %5.2f MiB\n",
                label, s.startupMedian, s.startupLow, s.startupHigh, s.peakMedian, s.privateMedian);
}

constexpr double startupTarget = 1.20;
constexpr double peakTargetMiB = 2.0;
constexpr double privateTargetMiB = 1.0;

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

void compare(const char* candidate, const Summary& c, const char* baseline, const Summary& b,
             bool withTargets = false) {
    const double ratio = c.startupMedian / b.startupMedian;
    const double peak = c.peakMedian - b.peakMedian;
    const double own = c.privateMedian - b.privateMedian;
    std::printf("  %s against %s: start-up ratio %.3f, peak RSS %+.2f MiB, private %+.2f MiB\n",
                programName(candidate), programName(baseline), ratio, peak, own);
    if (withTargets) {
        std::printf("    targets: start-up ratio <= %.2f %s, peak <= +%.0f MiB %s, private <= "
                    "+%.0f MiB %s\n",
                    startupTarget, verdict(ratio <= startupTarget), peakTargetMiB,
                    verdict(peak <= peakTargetMiB), privateTargetMiB,
                    verdict(own <= privateTargetMiB));
    }
}

} // namespace

int main(int argc, char** argv) {
    int runs = 30;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--runs") == 0) {
        runs = std::atoi(argv[2]);
        first = 3;
    }
    if (argc - first < 2 || runs < 1) {
        std::fprintf(stderr, "usage: %s [--runs N] BASELINE ... FLOOR CANDIDATE\n", argv[0]);
        return 2;
    }
    const std::vector<const char*> programs(argv + first, argv + argc);

    // One unmeasured start of each fills the page cache and the font cache.
    for (const char* program : programs) {
        runOnce(program);
    }
    std::vector<std::vector<Run>> results(programs.size());
    for (int i = 0; i < runs; ++i) {
        // Rotate which goes first, so that none always follows another.
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t which = (k + static_cast<std::size_t>(i)) % programs.size();
            results[which].push_back(runOnce(programs[which]));
        }
    }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up to first frame, %d runs each, platform %s\n", runs,
                platform != nullptr ? platform : "(default)");
    std::vector<Summary> summaries;
    for (std::size_t k = 0; k < programs.size(); ++k) {
        summaries.push_back(summarise(results[k]));
        print(programName(programs[k]), summaries.back());
    }
    for (std::size_t k = 1; k < programs.size(); ++k) {
        compare(programs[k], summaries[k], programs[0], summaries[0]);
    }
    const std::size_t last = programs.size() - 1;
    if (last > 1) {
        compare(programs[last], summaries[last], programs[last - 1], summaries[last - 1], true);
    }
    return 0;
}
