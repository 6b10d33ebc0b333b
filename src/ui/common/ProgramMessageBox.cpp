#include "ProgramMessageBox.h"

#include "HeldKeyFilter.h"
#include "InterfaceFont.h"

namespace skarvel {

std::unique_ptr<QMessageBox> createMessageBox(QMessageBox::Icon icon, const QString& caption,
                                              const QString& text, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(icon, caption, text, QMessageBox::Ok, parent);
    // A message may quote what the user typed, which must never be read as markup.
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    // The box is a window of its own, which does not inherit its parent's font.
    box->setFont(interfaceFont());
    // The key that pressed the button behind the box may still be held down: its repeats
    // would press OK at once and close the box before it can be read.
    HeldKeyFilter::watch(*box);
    return box;
}

} // namespace skarvel
