// Runs the launcher with its real Windows layers against the system it runs on,
// and prints what it did, one event per line, for the suite's script to check:
// `sysinfo_wine_probe launch` prints "start <path>", "start-failed <path>" or
// "message <caption>|<text>"; `sysinfo_wine_probe read KEY NAME` prints "true|<KeyVal>",
// "false|<KeyVal>" or "invalid-argument".
// KeyVal holds "as passed" on entry to the read, so an untouched value shows.
#include "MessageDisplay.h"
#include "RegistryToolLocator.h"
#include "StartError.h"
#include "SysInfoLauncher.h"
#include "WindowsFileProbe.h"
#include "WindowsProgramStarter.h"
#include "WindowsRegistry.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

using namespace skarvel;

void report(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

class ReportingStarter : public ProgramStarter {
public:
    void start(const ToolCommand& command) override {
        const std::string& path = command.path;
        try {
            real.start(command);
        } catch (const StartError&) {
            report("start-failed " + path);
            throw;
        }
        report("start " + path);
    }

private:
    WindowsProgramStarter real;
};

class ReportingMessageDisplay : public MessageDisplay {
public:
    void show(const std::string& text, const std::string& caption) override {
        report("message " + caption + "|" + text);
    }
};

} // namespace

int main(int argc, char** argv) {
    WindowsRegistry registry;
    WindowsFileProbe files;
    ReportingStarter starter;
    ReportingMessageDisplay messages;
    RegistryToolLocator locator(registry, files);
    SysInfoLauncher launcher(locator, starter, messages);

    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "launch" && argc == 2) {
        launcher.StartSysInfo();
        return 0;
    }
    if (mode == "read" && argc == 4) {
        std::string keyVal = "as passed";
        try {
            const bool found =
                locator.GetKeyValue(RegistryRoot::LocalMachine, argv[2], argv[3], keyVal);
            report((found ? "true|" : "false|") + keyVal);
        } catch (const std::invalid_argument&) {
            report("invalid-argument");
        }
        return 0;
    }
    std::fputs("usage: sysinfo_wine_probe launch | read KEY VALUE\n", stderr);
    return 2;
}
