#include "WindowIcon.h"

#include "EmbeddedPng.h"

#include <QPixmap>
#include <QString>

namespace skarvel {
namespace {

QString resourceOf(int size) {
    return QStringLiteral(":/icons/skarvel-%1.png").arg(size);
}

} // namespace

QImage WindowIcon::image(int size) {
    return readEmbeddedPng(resourceOf(size));
}

QIcon WindowIcon::icon() {
    QIcon result;
    for (const int size : sizes) {
        result.addPixmap(QPixmap::fromImage(image(size)));
    }
    return result;
}

} // namespace skarvel
