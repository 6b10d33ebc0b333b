#include "QtMessageDisplay.h"

#include "HeldKeyFilter.h"
#include "InterfaceFont.h"

#include <QMessageBox>

namespace skarvel {

void QtMessageDisplay::show(const std::string& text, const std::string& caption) {
    // No parent: the box belongs to the application, not to whichever window is open.
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("sysInfoMessage"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setFont(interfaceFont());
    // Opened by a press of System Info whose key may still be held: its repeats would
    // close the box at once and press the button again.
    HeldKeyFilter::watch(box);
    box.exec();
}

} // namespace skarvel
