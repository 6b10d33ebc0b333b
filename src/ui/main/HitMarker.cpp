#include "HitMarker.h"

#include <QPainter>

namespace skarvel {

HitMarker::HitMarker(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HitMarker::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 0, 0));
}

} // namespace skarvel

#include "moc_HitMarker.cpp"
