#include "WindowIcon.h"

#include <QString>

namespace skarvel {
namespace {

QString resourceOf(int size) {
    return QStringLiteral(":/icons/skarvel-%1.png").arg(size);
}

} // namespace

QImage WindowIcon::image(int size) {
    return QImage(resourceOf(size));
}

QIcon WindowIcon::icon() {
    QIcon result;
    for (const int size : sizes) {
        result.addFile(resourceOf(size), QSize(size, size));
    }
    return result;
}

} // namespace skarvel
