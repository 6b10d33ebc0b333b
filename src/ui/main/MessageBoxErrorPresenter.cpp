#include "MessageBoxErrorPresenter.h"

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
    return box;
}

} // namespace skarvel
