#include "SkarvelProgram.h"
#include "frmAbout.h"
#include "skarvelform.h"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace {

// What the X server shows of a window, saved as PNG.
bool saveShot(QWidget& window, const char* path) {
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    const bool saved = shot.save(QString::fromLocal8Bit(path), "PNG");
    if (!saved) {
        std::fprintf(stderr, "could not write %s\n", path);
    }
    return saved;
}

} // namespace

// Starts the main window exactly as the program does, gives the window system time to
// draw it and saves it to argv[1]; then presses Info as a user would and saves the
// About dialog to argv[2].
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s MAIN-WINDOW.png ABOUT-DIALOG.png\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    skarvel::SkarvelProgram program;
    skarvel::skarvelform& window = program.window();
    window.show();

    int status = 1;
    QTimer::singleShot(1500, &window, [&] {
        if (!saveShot(window, argv[1])) {
            QApplication::exit(1);
            return;
        }
        window.findChild<QPushButton*>(QStringLiteral("cmdInfo"))->click();
        QTimer::singleShot(1000, &window, [&] {
            skarvel::frmAbout* about = window.aboutDialog();
            if (about == nullptr || !about->isVisible()) {
                std::fprintf(stderr, "Info opened no About dialog\n");
            }
            status = about != nullptr && about->isVisible() && saveShot(*about, argv[2]) ? 0 : 1;
            QApplication::quit();
        });
    });
    QApplication::exec();
    return status;
}
