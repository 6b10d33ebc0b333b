#include "HeldKeyFilter.h"

#include <QKeyEvent>

namespace skarvel {

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
