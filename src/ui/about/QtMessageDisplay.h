#pragma once

#include "MessageDisplay.h"

#include <QMessageBox>

namespace skarvel {

// Every message box of the program on Qt: the text, the caption, one OK button, modal to
// the whole application until the user dismisses it. The launcher's box has no icon; the
// main window shows the error that ends an attack with a warning icon.
class QtMessageDisplay final : public MessageDisplay {
public:
    explicit QtMessageDisplay(QMessageBox::Icon shownIcon = QMessageBox::NoIcon)
        : icon(shownIcon) {}

    void show(const std::string& text, const std::string& caption) override;

private:
    QMessageBox::Icon icon;
};

} // namespace skarvel
