#include "QtLaunchTokens.h"

#include <QGuiApplication>
#include <QInputEvent>
#include <unistd.h>

namespace skarvel {
namespace {

// Only X11 takes a token that needs the user's input time; elsewhere nothing is watched.
bool platformUsesTokens() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

QtLaunchTokens::QtLaunchTokens() {
    if (platformUsesTokens()) {
        QGuiApplication::instance()->installEventFilter(this);
    }
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
    if (!platformUsesTokens() || !sawInput) {
        return {};
    }
    // Unique per start: this process, a count, and the time after "_TIME" as the
    // start-up notification specification asks.
    return {"DESKTOP_STARTUP_ID=skarvel-" + std::to_string(getpid()) + "-" +
            std::to_string(++startCount) + "_TIME" +
            std::to_string(static_cast<std::uint32_t>(lastInputTime))};
}

} // namespace skarvel

#include "moc_QtLaunchTokens.cpp"
