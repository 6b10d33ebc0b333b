#include "CommandButton.h"

#include <QKeyEvent>

namespace skarvel {

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // The keypad's Enter carries the keypad modifier; any other modifier makes it
    // another shortcut, which is not this button's to take.
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // A held key presses once, as a held Space does: repeats would roll again and again.
    // Those that follow Info's press go to the About dialog it brought to the front, which
    // lets only a fresh press act.
    if (!event->isAutoRepeat()) {
        click();
    }
    event->accept();
}

} // namespace skarvel

#include "moc_CommandButton.cpp"
