#include "MessageBoxErrorPresenter.h"

#include "ProgramMessageBox.h"

namespace skarvel {

void MessageBoxErrorPresenter::showError(QWidget* parent, const QString& caption,
                                         const QString& message) {
    createMessageBox(QMessageBox::Warning, caption, message, parent)->exec();
}

} // namespace skarvel
