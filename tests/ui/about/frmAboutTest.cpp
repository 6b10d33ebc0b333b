#include "frmAbout.h"

#include "CountingSysInfoLauncher.h"
#include "FindControl.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace skarvel::test {
namespace {

const QString description = QStringLiteral(
    "Skarvel is simple attack management for game masters.  Simply add the party's information "
    "to the page. Then put each monsters bonuses and attack.  It supports traditional D and D "
    "style THAC0 and the new third edition style of attacking.  There's also a place to keep "
    "track of the monster's hit points.");

QString textOf(const QWidget& dialog, const char* name) {
    return findControl<QLabel>(dialog, name).text();
}

class AboutDialogTest : public ::testing::Test {
protected:
    void open() {
        dialog.showAbout();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    // Keys go where a user's keys go: to the widget that has the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    CountingSysInfoLauncher launcher;
    frmAbout dialog{launcher.launcher()};
    QSignalSpy loads{&dialog, &frmAbout::loaded};
    QPushButton& ok = findControl<QPushButton>(dialog, "cmdOK");
    QPushButton& sysInfo = findControl<QPushButton>(dialog, "cmdSysInfo");
    QSignalSpy okClicks{&ok, &QPushButton::clicked};
    QSignalSpy sysInfoClicks{&sysInfo, &QPushButton::clicked};
};

struct CloseWay {
    const char* name;
    std::function<void(frmAbout&, QPushButton& ok, QPushButton& sysInfo)> close;
};

void PrintTo(const CloseWay& way, std::ostream* out) {
    *out << way.name;
}

class AboutCloseTest : public AboutDialogTest, public ::testing::WithParamInterface<CloseWay> {};

// The dialog is the last window: closing it in any way ends the run. Each load fills the
// caption, title and version from the identity and puts the focus on OK, the default.
TEST_P(AboutCloseTest, ClosingUnloadsAndTheNextShowLoadsAfresh) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About MyApp"));
    open();
    dialog.move(dialog.pos() + QPoint(40, 30));
    QTimer::singleShot(0, &dialog, [this] { GetParam().close(dialog, ok, sysInfo); });
    QTimer::singleShot(5000, &dialog, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    ASSERT_FALSE(dialog.isVisible());
    EXPECT_EQ(sysInfoClicks.count(), 0);

    open();
    EXPECT_EQ(loads.count(), 2);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Skarvel"));
    EXPECT_EQ(textOf(dialog, "lblTitle"), QStringLiteral("Skarvel"));
    EXPECT_EQ(textOf(dialog, "lblVersion"), QStringLiteral("Version 1.0.0"));
    EXPECT_EQ(textOf(dialog, "lblDescription"), description);
    EXPECT_EQ(textOf(dialog, "lblDisclaimer"), QString());
    EXPECT_EQ(QApplication::focusWidget(), &ok);
    EXPECT_TRUE(ok.isDefault());
    const QPoint screenOrigin = QGuiApplication::primaryScreen()->geometry().topLeft();
    EXPECT_EQ(dialog.geometry().topLeft() - screenOrigin, QPoint(156, 129));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutCloseTest,
    ::testing::Values(CloseWay{"ClickOk",
                               [](frmAbout&, QPushButton& ok, QPushButton&) {
                                   QTest::mouseClick(&ok, Qt::LeftButton);
                               }},
                      CloseWay{"EnterOnOk",
                               [](frmAbout&, QPushButton&, QPushButton&) {
                                   QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                               }},
                      CloseWay{"EscapeOnSystemInfo",
                               [](frmAbout&, QPushButton&, QPushButton& sysInfo) {
                                   sysInfo.setFocus();
                                   QTest::keyClick(&sysInfo, Qt::Key_Escape);
                               }},
                      CloseWay{"WindowSystemClose",
                               [](frmAbout& about, QPushButton&, QPushButton&) {
                                   about.windowHandle()->close();
                               }}),
    [](const ::testing::TestParamInfo<CloseWay>& way) { return way.param.name; });

// Enter on System Info, and Alt+S from OK, press System Info and not OK.
TEST_F(AboutDialogTest, EnterOnSystemInfoAndAltSActivateItAndNotOk) {
    for (const auto& [key, modifiers, focus] :
         {std::tuple{Qt::Key_Return, Qt::NoModifier, &sysInfo},
          std::tuple{Qt::Key_S, Qt::AltModifier, &ok}}) {
        open();
        focus->setFocus();
        press(key, modifiers);
        // An access key presses the button visibly, so the click follows a moment later.
        if (sysInfoClicks.isEmpty()) {
            sysInfoClicks.wait(2000);
        }
        EXPECT_EQ(sysInfoClicks.count(), 1) << key;
        sysInfoClicks.clear();
        EXPECT_EQ(okClicks.count(), 0) << key;
        EXPECT_TRUE(dialog.isVisible()) << key;
    }
    EXPECT_EQ(launcher.starts(), 2);
}

TEST_F(AboutDialogTest, TabMovesOnlyBetweenTheTwoButtons) {
    open();
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &sysInfo);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &ok);
    press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), &sysInfo);
}

TEST_F(AboutDialogTest, TheRunEndsOnlyWhenBothWindowsAreClosed) {
    QWidget mainWindow;
    mainWindow.show();
    open();
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    bool dialogOutlivedMainWindow = false;
    QTimer::singleShot(0, &mainWindow, [&] {
        mainWindow.close();
        QTimer::singleShot(0, &dialog, [&] {
            dialogOutlivedMainWindow = dialog.isVisible() && lastClosed.isEmpty();
            dialog.windowHandle()->close();
        });
    });
    QTimer safety;
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    safety.start(5000);

    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(dialogOutlivedMainWindow);
    EXPECT_EQ(lastClosed.count(), 1);
}

// Info's Enter may still be held as the dialog opens: only a fresh press of Enter or Esc
// closes it.
TEST_F(AboutDialogTest, AHeldKeysRepeatsDoNotCloseIt) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        open();
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(QApplication::focusWidget(), &repeat);
        EXPECT_TRUE(dialog.isVisible()) << "repeat of key " << key;
        press(key);
        EXPECT_FALSE(dialog.isVisible()) << "press of key " << key;
    }
}

} // namespace
} // namespace skarvel::test
