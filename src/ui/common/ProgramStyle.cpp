#include "ProgramStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <tuple>

namespace skarvel {
namespace {

// The name of the compact style for the system's colours now.
QString compactStyleName() {
#ifdef Q_OS_WIN
    // Windows' own style draws its themed panels light whatever the system colours are, so
    // a dark set's light text would vanish into them. Its classic form draws with the colours,
    // as Windows itself does under a contrast theme.
    const QPalette system = QGuiApplication::palette();
    const bool dark =
        system.color(QPalette::WindowText).lightness() > system.color(QPalette::Window).lightness();
    const QString native = dark ? QStringLiteral("windows") : QStringLiteral("windowsvista");
    if (QStyleFactory::keys().contains(native, Qt::CaseInsensitive)) {
        return native;
    }
#endif
    return QStringLiteral("fusion");
}

// Fusion's frame image, a translucent grey that reads on light and dark windows alike:
// a one-pixel outline with rounded corners, a darker ring inside it and a faint tint.
const QColor outline(0x75, 0x75, 0x75, 50);
const QColor turn(0x5a, 0x5a, 0x5a, 31);
const QColor tip(0x27, 0x27, 0x27, 13);
const QColor innerRing(0, 0, 0, 7);
const QColor tint(0, 0, 0, 3);
// Fusion's space above the frame, added to the caption's height where there is one.
constexpr int frameTopMargin = 3;

} // namespace

ProgramStyle::ProgramStyle()
    : QProxyStyle(QStyleFactory::create(compactStyleName())) {
    drawsGroupBoxFrame = baseStyle()->name() == QLatin1String("fusion");
}

void ProgramStyle::install() {
    auto* style = new ProgramStyle;
    QApplication::setStyle(style);
    // The application owns its style and deletes it when another replaces it; ours comes
    // back once that replacement has finished, unless the replacement is ours.
    QObject::connect(
        style, &QObject::destroyed, qApp,
        [] {
            if (dynamic_cast<ProgramStyle*>(QApplication::style()) == nullptr) {
                install();
            }
        },
        Qt::QueuedConnection);
    qApp->installEventFilter(style);
}

bool ProgramStyle::eventFilter(QObject* watched, QEvent* event) {
    // The system's colours changed while the program runs: the style is chosen again once
    // the change is through. Only a different choice replaces the style, so the palette
    // that a new style brings starts no second round.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange &&
        baseStyle()->name().compare(compactStyleName(), Qt::CaseInsensitive) != 0) {
        QMetaObject::invokeMethod(qApp, &ProgramStyle::install, Qt::QueuedConnection);
    }
    // Watching the application sees every event of the program; the base style, which
    // watches the widgets it polished itself, must not be handed them all a second time.
    return false;
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameGroupBox && drawsGroupBoxFrame && option != nullptr &&
        painter != nullptr) {
        drawGroupBoxFrame(*option, *painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ProgramStyle::drawGroupBoxFrame(const QStyleOption& option, QPainter& painter,
                                     const QWidget* widget) const {
    // Fusion's geometry: the frame starts below the caption, or just below the top edge
    // of a box with neither caption nor check box, and its image leaves its own first
    // row and column clear.
    int top = frameTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (box == nullptr || box->isCheckable() || !box->title().isEmpty()) {
        top += qMax(proxy()->pixelMetric(PM_ExclusiveIndicatorHeight), option.fontMetrics.height());
    }
    const QRect edge = option.rect.adjusted(1, top + 1, 0, 0);
    if (edge.width() < 4 || edge.height() < 4) {
        return;
    }
    const int left = edge.left();
    const int right = edge.right();
    const int upper = edge.top();
    const int lower = edge.bottom();
    const auto line = [&painter](int x1, int y1, int x2, int y2, const QColor& colour) {
        painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), colour);
    };
    line(left + 2, upper + 2, right - 2, lower - 2, tint);
    // The outline and the ring stop short of the corners, which the rounding pixels turn.
    line(left + 1, upper, right - 1, upper, outline);
    line(left + 1, lower, right - 1, lower, outline);
    line(left, upper + 1, left, lower - 1, outline);
    line(right, upper + 1, right, lower - 1, outline);
    line(left + 2, upper + 1, right - 2, upper + 1, innerRing);
    line(left + 2, lower - 1, right - 2, lower - 1, innerRing);
    line(left + 1, upper + 2, left + 1, lower - 2, innerRing);
    line(right - 1, upper + 2, right - 1, lower - 2, innerRing);
    for (const auto& [x, y, inward] :
         {std::tuple{left, upper, 1}, {right, upper, -1}, {left, lower, 1}, {right, lower, -1}}) {
        const int down = y == upper ? 1 : -1;
        line(x, y, x, y, tip);
        line(x + inward, y + down, x + inward, y + down, turn);
    }
}

} // namespace skarvel
