#include "MainWindowFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QWheelEvent>

namespace skarvel::test {
namespace {

class EntryListTest : public MainWindowFixture {
protected:
    void SetUp() override {
        showActive();
        dieList = find<QComboBox>(QStringLiteral("cmbHitDie"));
        dieList->setFocus();
    }

    // Replaces the text part's content by typing, as a user would.
    void typeOver(const QString& text) {
        dieList->lineEdit()->selectAll();
        QTest::keyClicks(dieList, text);
    }

    void expectTypedTextKept(const QString& text) {
        EXPECT_EQ(dieList->currentIndex(), -1);
        EXPECT_EQ(dieList->currentText(), text);
        EXPECT_EQ(dieList->count(), 7);
        EXPECT_FALSE(window.selectedDieSize().has_value());
    }

    QComboBox* dieList = nullptr;
};

// Typing never selects (not a partial entry, not a whole one, not one typed over itself),
// and neither Enter nor leaving the list adds, picks or completes an entry, nor attacks.
TEST_F(EntryListTest, TypedTextStaysAsTypedWhateverKeyFollows) {
    for (const Qt::Key key : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab}) {
        for (const char* text : {"d1", "d8", "d12", "d20", "d100", "seven", "d7"}) {
            dieList->setCurrentIndex(5);
            typeOver(QLatin1String(text));
            if (key != Qt::Key_unknown) {
                QTest::keyClick(QApplication::focusWidget(), key);
            }
            ASSERT_EQ(QApplication::focusWidget() == dieList, key != Qt::Key_Tab);
            expectTypedTextKept(QLatin1String(text));
            dieList->setFocus();
        }
    }
    EXPECT_EQ(source.used(), 0U);
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblRoll"))->text(), QStringLiteral("0"));
}

TEST_F(EntryListTest, EditingInsideTheTextKeepsTheCursorWhereItWas) {
    dieList->lineEdit()->setCursorPosition(1); // between "d" and "20"
    QTest::keyClick(dieList, Qt::Key_Delete);
    expectTypedTextKept(QStringLiteral("d0"));
    EXPECT_EQ(dieList->lineEdit()->cursorPosition(), 1);
    QTest::keyClick(dieList, Qt::Key_2);
    expectTypedTextKept(QStringLiteral("d20"));
    EXPECT_EQ(dieList->lineEdit()->cursorPosition(), 2);
}

TEST_F(EntryListTest, UndoAfterAChoiceBringsTheChoiceBack) {
    dieList->setCurrentIndex(2); // as choosing "d8" from the drop-down does
    QTest::keyClicks(dieList, QStringLiteral("0x"));
    expectTypedTextKept(QStringLiteral("d80x"));
    QTest::keyClick(dieList, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(dieList->currentText(), QStringLiteral("d8"));
    EXPECT_EQ(window.selectedDieSize(), 8);
}

// As everywhere in the toolkit: the list under the pointer, with the focus or without.
TEST_F(EntryListTest, TheWheelChangesTheListUnderThePointer) {
    for (const bool focused : {true, false}) {
        dieList->setCurrentIndex(5);
        (focused ? static_cast<QWidget*>(dieList) : find("txtbonus", 0))->setFocus();
        const QPointF at = dieList->rect().center();
        QWheelEvent wheel(at, dieList->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(dieList, &wheel);
        EXPECT_EQ(dieList->currentIndex(), 6) << "focused " << focused;
    }
}

TEST_F(EntryListTest, ChoosingFromTheDropDownSelectsAgain) {
    typeOver(QStringLiteral("d7"));
    dieList->showPopup();
    QAbstractItemView* view = dieList->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex d8 = view->model()->index(2, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(d8).center());
    EXPECT_EQ(dieList->currentIndex(), 2);
    EXPECT_EQ(dieList->currentText(), QStringLiteral("d8"));
    EXPECT_EQ(window.selectedDieSize(), 8);
    // Nothing completes: the completer Qt makes for a text part is gone, not just detached.
    EXPECT_TRUE(window.findChildren<QCompleter*>().isEmpty());
}

} // namespace
} // namespace skarvel::test
