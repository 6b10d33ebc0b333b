#include "IcoFile.h"
#include "RenderedIcons.h"
#include "SvgIcon.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <exception>
#include <vector>

// Developer tool: renders every hand-drawn SVG icon into the PNG and Windows icon files
// kept beside it (RenderedIcons.h), which the program embeds and the packages install.
// The build never runs it, so that a cross build needs no program of the host.
//   skarvel_icon_export SOURCE_DIR
namespace {

// Empty where the image could not be encoded.
QByteArray png(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return {};
    }
    return data;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SOURCE_DIR\n", argv[0]);
        return 2;
    }
    // Rendering needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QDir root(QFile::decodeName(argv[1]));
    try {
        for (const skarvel::RenderedIcon& icon : skarvel::renderedIcons) {
            const QString path = root.filePath(QString::fromUtf8(icon.file));
            std::vector<QImage> images;
            for (const int side : icon.sides) {
                images.push_back(
                    skarvel::SvgIcon::render(root.filePath(QString::fromUtf8(icon.svg)), side));
            }
            const QByteArray data = path.endsWith(QLatin1String(".ico"))
                                        ? skarvel::IcoFile::encode(images)
                                        : png(images.front());
            QSaveFile file(path);
            if (data.isEmpty() || !file.open(QIODevice::WriteOnly) ||
                file.write(data) != data.size() || !file.commit()) {
                std::fprintf(stderr, "could not write %s\n", qPrintable(path));
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
