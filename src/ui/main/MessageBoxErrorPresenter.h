#pragma once

#include "ErrorPresenter.h"

namespace skarvel {

// Shows errors in the program's modal message box, with a warning icon.
class MessageBoxErrorPresenter final : public ErrorPresenter {
public:
    void showError(QWidget* parent, const QString& caption, const QString& message) override;
};

} // namespace skarvel
