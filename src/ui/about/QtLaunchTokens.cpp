#include "QtLaunchTokens.h"

#include <QGuiApplication>
#include <QInputEvent>
#include <unistd.h>

namespace skarvel {

QtLaunchTokens::QtLaunchTokens() {
    QGuiApplication::instance()->installEventFilter(this);
}

bool QtLaunchTokens::eventFilter(QObject* /*watched*/, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // On X11 Qt stamps input events with the X server's own time.
        lastInputTime = static_cast<QInputEvent*>(event)->timestamp();
        sawInput = true;
        break;
    default:
        break;
    }
    return false;
}

std::vector<std::string> QtLaunchTokens::environmentForStart() {
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !sawInput) {
        return {};
    }
    // Unique per start: this process, a count, and the time after "_TIME" as the
    // start-up notification specification asks.
    return {"DESKTOP_STARTUP_ID=skarvel-" + std::to_string(getpid()) + "-" +
            std::to_string(++startCount) + "_TIME" +
            std::to_string(static_cast<std::uint32_t>(lastInputTime))};
}

} // namespace skarvel
