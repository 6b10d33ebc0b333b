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

    // The message shortened to fit a box on the screen: a message quotes what the user
    // typed, which may be any length. Over-long words and an over-long whole lose
    // their middles to an ellipsis, so that both ends stay readable.
    static QString shortenForDisplay(const QString& message);
};

} // namespace skarvel
