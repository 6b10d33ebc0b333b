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
    // The window's held-key filter lets only a key's first press through, so a held key
    // presses once.
    click();
    event->accept();
}

} // namespace skarvel

#include "moc_CommandButton.cpp"
