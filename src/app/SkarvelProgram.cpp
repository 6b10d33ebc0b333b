#include "SkarvelProgram.h"

#include "ApplicationIdentity.h"
#include "InterfaceFont.h"
#include "ProgramStyle.h"
#include "skarvelform.h"

#include <QApplication>

namespace skarvel {

SkarvelProgram::SkarvelProgram() {
    QGuiApplication::setDesktopFileName(QString::fromUtf8(identity::desktopId));
    // Before any window exists, so that every window is built with it.
    QApplication::setFont(interfaceFont());
    ProgramStyle::install();
    mainWindow = std::make_unique<skarvelform>(generator, errors, sysInfo.launcher());
}

SkarvelProgram::~SkarvelProgram() = default;

} // namespace skarvel
