#pragma once

#include "DefaultUniformSource.h"
#include "PlatformSysInfo.h"
#include "QtLaunchTokens.h"
#include "QtMessageDisplay.h"

#include <memory>

namespace skarvel {

class skarvelform;

// The program as it ships: the application-wide settings and the real parts behind the
// main window (the fixed-start die, message boxes, the platform's system-information
// launcher). main() and the tools that must start exactly as it does build this.
//
//   QApplication app(argc, argv);
//   SkarvelProgram program;
//   program.window().show();
class SkarvelProgram {
public:
    // Needs the QApplication; sets its style, font and desktop entry before building the
    // window.
    SkarvelProgram();
    ~SkarvelProgram();
    SkarvelProgram(const SkarvelProgram&) = delete;
    SkarvelProgram& operator=(const SkarvelProgram&) = delete;

    skarvelform& window() { return *mainWindow; }

private:
    DefaultUniformSource generator;
    QtMessageDisplay errors{QMessageBox::Warning};
    QtMessageDisplay sysInfoMessages;
    QtLaunchTokens launchTokens;
    PlatformSysInfo sysInfo{sysInfoMessages, &launchTokens};
    std::unique_ptr<skarvelform> mainWindow;
};

} // namespace skarvel
