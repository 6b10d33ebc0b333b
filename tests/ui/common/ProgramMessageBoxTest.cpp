#include "ProgramMessageBox.h"

#include "HeldKeyFilter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace skarvel::test {
namespace {

TEST(ProgramMessageBoxTest, OneOkButtonCaptionAndThePlainMessage) {
    // Text the user typed may look like markup; it must reach the user as typed.
    const QString message = QStringLiteral("The bonus of creature 1 (\"<b>9e9\") is outside");
    const auto box = createMessageBox(QMessageBox::Warning, QStringLiteral("Skarvel"), message);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Skarvel"));
    EXPECT_EQ(box->text(), message); // short enough to show whole
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
}

// The key that pressed Attack may still be held when the box opens: its repeats must not
// close the box, a fresh press must.
TEST(ProgramMessageBoxTest, OnlyAFreshPressClosesTheBox) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        const auto box = createMessageBox(QMessageBox::NoIcon, QStringLiteral("Skarvel"),
                                          QStringLiteral("message"));
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(QApplication::focusWidget(), &repeat);
        EXPECT_TRUE(box->isVisible()) << "repeat of key " << key;
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_FALSE(box->isVisible()) << "press of key " << key;
    }
}

// A key comes in twice, as the shortcut it may be and then as the press itself; the
// repeats of a held key must be stopped both times, X11's unmarked ones too: a release and
// a press at the same instant.
TEST(ProgramMessageBoxTest, HeldKeyFilterStopsRepeatsOnBothWays) {
    HeldKeyFilter held;
    QObject& filter = held;
    for (const QEvent::Type type : {QEvent::ShortcutOverride, QEvent::KeyPress}) {
        for (const bool repeat : {false, true}) {
            QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, QString(), repeat);
            EXPECT_EQ(filter.eventFilter(&held, &key), repeat) << type << " repeat " << repeat;
        }
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        release.setTimestamp(100);
        filter.eventFilter(&held, &release);
        for (const quint64 at : {100U, 101U}) {
            QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier);
            key.setTimestamp(at);
            EXPECT_EQ(filter.eventFilter(&held, &key), at == 100) << type << " at " << at;
        }
    }
}

} // namespace
} // namespace skarvel::test
