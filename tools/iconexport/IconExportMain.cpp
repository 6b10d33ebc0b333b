#include "IcoFile.h"
#include "SvgIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

// Developer tool: renders a hand-drawn SVG icon into the PNG and Windows icon files that
// are kept beside it, which the program embeds and the packages install. The build never
// runs it, so that a cross build needs no program of the host.
//   skarvel_icon_export png SOURCE.svg SIZE OUTPUT.png
//   skarvel_icon_export ico SOURCE.svg OUTPUT.ico SIZE...
namespace {

int usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s png SOURCE.svg SIZE OUTPUT.png\n"
                 "       %s ico SOURCE.svg OUTPUT.ico SIZE...\n",
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
    if (argc < 5) {
        return usage(argv[0]);
    }
    // Rendering needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    const std::string_view kind = argv[1];
    const QString source = QFile::decodeName(argv[2]);
    try {
        if (kind == "png" && argc == 5) {
            const int size = side(argv[3]);
            if (size == 0) {
                return usage(argv[0]);
            }
            const QImage image = skarvel::SvgIcon::render(source, size);
            if (!image.save(QFile::decodeName(argv[4]), "PNG")) {
                std::fprintf(stderr, "could not write %s\n", argv[4]);
                return 1;
            }
            return 0;
        }
        if (kind == "ico") {
            std::vector<QImage> images;
            for (int i = 4; i < argc; ++i) {
                const int size = side(argv[i]);
                if (size == 0) {
                    return usage(argv[0]);
                }
                images.push_back(skarvel::SvgIcon::render(source, size));
            }
            if (!save(argv[3], skarvel::IcoFile::encode(images))) {
                std::fprintf(stderr, "could not write %s\n", argv[3]);
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
