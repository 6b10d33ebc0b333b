#pragma once

class QString;
class QWidget;

namespace skarvel {

// Shows the game master an error that ended a piece of work, and returns once it has
// been acknowledged. Injected so that tests answer it without a blocking dialog.
class ErrorPresenter {
public:
    virtual ~ErrorPresenter() = default;
    // parent: the window the error concerns; caption: the box's title.
    virtual void showError(QWidget* parent, const QString& caption, const QString& message) = 0;
};

} // namespace skarvel
