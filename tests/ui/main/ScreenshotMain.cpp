#include "DefaultUniformSource.h"
#include "InterfaceFont.h"
#include "MessageBoxErrorPresenter.h"
#include "PlatformSysInfoLauncher.h"
#include "QtMessageDisplay.h"
#include "skarvelform.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>

// Starts the main window exactly as the program does, gives the window system time
// to draw it, and saves what the screen shows of it to the PNG named by argv[1].
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setFont(skarvel::interfaceFont());

    skarvel::DefaultUniformSource generator;
    skarvel::MessageBoxErrorPresenter presenter;
    skarvel::QtMessageDisplay sysInfoMessages;
    skarvel::PlatformSysInfoLauncher sysInfoLauncher(sysInfoMessages);
    skarvel::skarvelform window(generator, presenter, sysInfoLauncher);
    window.show();

    const QString output = QString::fromLocal8Bit(argv[1]);
    int status = 1;
    QTimer::singleShot(1500, &window, [&] {
        const QPixmap shot = window.screen()->grabWindow(window.winId());
        status = shot.save(output, "PNG") ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    if (status != 0) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
    }
    return status;
}
