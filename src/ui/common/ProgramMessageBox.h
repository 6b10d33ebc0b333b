#pragma once

#include <QMessageBox>
#include <memory>

namespace skarvel {

// A message box as the program shows every one: the text as it stands (never markup), one
// OK button, modal to the whole application and in the windows' own font. A key held since
// before the box opened cannot close it: only a fresh press acts.
std::unique_ptr<QMessageBox> createMessageBox(QMessageBox::Icon icon, const QString& caption,
                                              const QString& text, QWidget* parent = nullptr);

} // namespace skarvel
