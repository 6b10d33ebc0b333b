#pragma once

#include <QPushButton>

namespace skarvel {

// A push button that Enter and keypad Enter press while it has the focus, as Space
// does, without it being any window's default button. Every press counts: its window's
// HeldKeyFilter keeps a held key's repeats away from it.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace skarvel
