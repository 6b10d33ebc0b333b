#include "QtMessageDisplay.h"

#include "ProgramMessageBox.h"

namespace skarvel {

void QtMessageDisplay::show(const std::string& text, const std::string& caption) {
    // No parent: the box belongs to the application, not to whichever window is open.
    createMessageBox(QMessageBox::NoIcon, QString::fromStdString(caption),
                     QString::fromStdString(text))
        ->exec();
}

} // namespace skarvel
