#include "HeldKeyFilter.h"

#include <QKeyEvent>
#include <QWidget>

namespace skarvel {

void HeldKeyFilter::watch(QWidget& window) {
    auto* heldKeys = new HeldKeyFilter(&window);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        control->installEventFilter(heldKeys);
    }
    window.installEventFilter(heldKeys);
}

bool HeldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    // A shortcut is tried before the key press itself; a repeat must reach neither.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        if (static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace skarvel
