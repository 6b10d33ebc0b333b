#include "QtMessageDisplay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace skarvel::test {
namespace {

struct SeenBox {
    bool found = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    Qt::WindowModality modality = Qt::NonModal;
    QList<QAbstractButton*>::size_type buttons = 0;
    QMessageBox::StandardButtons standardButtons;
    bool outlastsHeldKey = false;
    QWidget* parent = nullptr;
};

// The launcher's box (the default) has no icon; the main window's errors show a warning.
TEST(QtMessageDisplay, ShowsTextAndCaptionWithOnlyOkAndItsIconModalToTheApplication) {
    // The window whose button brings the box up: the box stands over it.
    QWidget owner;
    owner.show();
    for (const auto& [display, icon] :
         {std::pair{QtMessageDisplay(), QMessageBox::NoIcon},
          {QtMessageDisplay(QMessageBox::Warning), QMessageBox::Warning}}) {
        owner.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
        SeenBox seen;
        // The box blocks in its own event loop: look at it from inside that loop, then
        // dismiss it with OK as the user would.
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            seen = {true,
                    box->windowTitle(),
                    box->text(),
                    box->icon(),
                    box->windowModality(),
                    box->buttons().size(),
                    box->standardButtons(),
                    false,
                    box->parentWidget()};
            // The System Info key may still be held: its repeat must not close the box.
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(box->button(QMessageBox::Ok), &repeat);
            seen.outlastsHeldKey = box->isVisible();
            box->button(QMessageBox::Ok)->click();
        });

        QtMessageDisplay(display).show("System Information Is Unavailable At This Time", "Skarvel");

        ASSERT_TRUE(seen.found) << "no modal message box was shown";
        EXPECT_EQ(seen.caption, QStringLiteral("Skarvel"));
        EXPECT_EQ(seen.text, QStringLiteral("System Information Is Unavailable At This Time"));
        EXPECT_EQ(seen.icon, icon);
        EXPECT_EQ(seen.modality, Qt::ApplicationModal);
        EXPECT_EQ(seen.buttons, 1);
        EXPECT_EQ(seen.standardButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_TRUE(seen.outlastsHeldKey);
        EXPECT_EQ(seen.parent, &owner);
    }
}

} // namespace
} // namespace skarvel::test
