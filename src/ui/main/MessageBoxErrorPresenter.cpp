#include "MessageBoxErrorPresenter.h"

#include "HeldKeyFilter.h"
#include "InterfaceFont.h"

namespace skarvel {

void MessageBoxErrorPresenter::showError(QWidget* parent, const QString& caption,
                                         const QString& message) {
    createBox(parent, caption, message)->exec();
}

std::unique_ptr<QMessageBox> MessageBoxErrorPresenter::createBox(QWidget* parent,
                                                                 const QString& caption,
                                                                 const QString& message) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, caption, message,
                                             QMessageBox::Ok, parent);
    // The message quotes what the user typed (the attack core keeps that quote short),
    // which must never be read as markup.
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    // The box is a window of its own, which does not inherit its parent's font.
    box->setFont(interfaceFont());
    // The box opens while the key that pressed Attack may still be held down: its repeats
    // would press OK at once and close the box before it can be read.
    HeldKeyFilter::watch(*box);
    return box;
}

} // namespace skarvel
