#include "IcoFile.h"
#include "WindowIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

// Build tool: writes the program's icon, rendered exactly as the window renders it,
// for the desktop and for Windows resources.
//   skarvel_icon_export png SIZE OUTPUT.png
//   skarvel_icon_export ico OUTPUT.ico SIZE...
namespace {

int usage(const char* program) {
    std::fprintf(stderr, "usage: %s png SIZE OUTPUT.png\n       %s ico OUTPUT.ico SIZE...\n",
                 program, program);
    return 2;
}

// A side in pixels, or 0 for anything else.
int side(const char* text) {
    bool ok = false;
    const int value = QString::fromLocal8Bit(text).toInt(&ok);
    return ok && value >= 1 && value <= skarvel::IcoFile::maximumSide ? value : 0;
}

bool save(const char* path, const QByteArray& data) {
    QSaveFile file(QFile::decodeName(path));
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        return usage(argv[0]);
    }
    // A build machine may have no display; the icon needs none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    const std::string_view kind = argv[1];
    try {
        if (kind == "png" && argc == 4) {
            const int size = side(argv[2]);
            if (size == 0) {
                return usage(argv[0]);
            }
            const QImage image = skarvel::WindowIcon::render(size);
            if (!image.save(QFile::decodeName(argv[3]), "PNG")) {
                std::fprintf(stderr, "could not write %s\n", argv[3]);
                return 1;
            }
            return 0;
        }
        if (kind == "ico") {
            std::vector<QImage> images;
            for (int i = 3; i < argc; ++i) {
                const int size = side(argv[i]);
                if (size == 0) {
                    return usage(argv[0]);
                }
                images.push_back(skarvel::WindowIcon::render(size));
            }
            if (!save(argv[2], skarvel::IcoFile::encode(images))) {
                std::fprintf(stderr, "could not write %s\n", argv[2]);
                return 1;
            }
            return 0;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return usage(argv[0]);
}
