#include "QtMessageDisplay.h"

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
    box.exec();
}

} // namespace skarvel
