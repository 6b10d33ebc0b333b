#pragma once

#include "ErrorPresenter.h"

#include <QMessageBox>
#include <memory>

namespace skarvel {

// Shows errors in a modal message box with a single OK button.
class MessageBoxErrorPresenter final : public ErrorPresenter {
public:
    void showError(QWidget* parent, const QString& caption, const QString& message) override;

    // The box showError runs, built but not shown.
    static std::unique_ptr<QMessageBox> createBox(QWidget* parent, const QString& caption,
                                                  const QString& message);
};

} // namespace skarvel
