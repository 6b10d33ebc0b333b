#include "QtMessageDisplay.h"

#include "ProgramMessageBox.h"

namespace skarvel {

void QtMessageDisplay::show(const std::string& text, const std::string& caption) {
    // No parent: the box belongs to the application, not to one window; Qt centres it over
    // the window that is active, the one whose button brought it up.
    createMessageBox(icon, QString::fromStdString(caption), QString::fromStdString(text))->exec();
}

} // namespace skarvel
