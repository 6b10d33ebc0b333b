#include "WindowIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace skarvel {

QImage WindowIcon::render(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/skarvel.svg"));
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QIcon WindowIcon::icon() {
    QIcon result;
    for (const int size : {smallSize, largeSize}) {
        result.addPixmap(QPixmap::fromImage(render(size)));
    }
    return result;
}

} // namespace skarvel
