#include "QtMessageDisplay.h"

#include "ProgramMessageBox.h"

#include <QApplication>

namespace skarvel {

void QtMessageDisplay::show(const std::string& text, const std::string& caption) {
    // Over the window whose button brought it up, which is the active one; modal to the
    // whole application all the same.
    createMessageBox(icon, QString::fromStdString(caption), QString::fromStdString(text),
                     QApplication::activeWindow())
        ->exec();
}

} // namespace skarvel
