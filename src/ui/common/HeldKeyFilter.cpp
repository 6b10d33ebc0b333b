#include "HeldKeyFilter.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace skarvel {

void HeldKeyFilter::watch(QWidget& window) {
    auto* heldKeys = new HeldKeyFilter(&window);
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        button->installEventFilter(heldKeys);
    }
    window.installEventFilter(heldKeys);
}

bool HeldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        releasedKey = key->key();
        releasedAt = key->timestamp();
    }
    // A shortcut is tried before the key press itself; a repeat must reach neither. X11 repeats
    // a held key as a release and a press at the same instant, which Qt does not always mark
    // as a repeat when it reads the two apart (under load). Events made in the program carry
    // no time at all.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat() ||
            (releasedAt != 0 && key->key() == releasedKey && key->timestamp() == releasedAt)) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace skarvel

#include "moc_HeldKeyFilter.cpp"
