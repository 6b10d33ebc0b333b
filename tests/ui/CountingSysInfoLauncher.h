#pragma once

#include "LauncherFakes.h"
#include "SysInfoLauncher.h"

namespace skarvel::test {

// The launcher over a locator that finds no tool and a message box that only records:
// counts the presses that reach it.
class CountingSysInfoLauncher {
public:
    SysInfoLauncher& launcher() { return sysInfo; }
    int starts() const { return locator.asked; }

private:
    FakeToolLocator locator;
    FakeProgramStarter starter;
    FakeMessageDisplay messages;
    SysInfoLauncher sysInfo{locator, starter, messages};
};

} // namespace skarvel::test
