#include "SvgIcon.h"

#include <QPainter>
#include <QSvgRenderer>
#include <stdexcept>

namespace skarvel {

QImage SvgIcon::render(const QString& svgPath, int side) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        throw std::runtime_error("cannot read " + svgPath.toStdString() + " as SVG");
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, side, side));
    return image;
}

} // namespace skarvel
