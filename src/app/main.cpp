#include "ApplicationIdentity.h"
#include "DefaultUniformSource.h"
#include "InterfaceFont.h"
#include "MessageBoxErrorPresenter.h"
#include "PlatformSysInfoLauncher.h"
#include "QtMessageDisplay.h"
#include "skarvelform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(
        QString::fromUtf8(skarvel::identity::desktopId.data(),
                          static_cast<qsizetype>(skarvel::identity::desktopId.size())));
    // Before any window exists, so that every window is built with it.
    QApplication::setFont(skarvel::interfaceFont());

    skarvel::DefaultUniformSource generator;
    skarvel::MessageBoxErrorPresenter presenter;
    skarvel::QtMessageDisplay sysInfoMessages;
    skarvel::PlatformSysInfoLauncher sysInfoLauncher(sysInfoMessages);
    skarvel::skarvelform window(generator, presenter, sysInfoLauncher);
    window.show();
    return QApplication::exec();
}
