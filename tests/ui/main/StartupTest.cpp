#include "ApplicationIdentity.h"
#include "MainWindowFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace skarvel::test {
namespace {

using StartupTest = MainWindowFixture;

QString shownText(const QWidget* control) {
    if (const auto* field = qobject_cast<const QLineEdit*>(control)) {
        return field->text();
    }
    if (const auto* text = qobject_cast<const QLabel*>(control)) {
        return text->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->title();
    }
    return QStringLiteral("<no text>");
}

TEST_F(StartupTest, WindowHasTitleAndClientSize) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Skarvel"));
    EXPECT_EQ(window.size(), QSize(392, 373));
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}}));
}

TEST_F(StartupTest, EveryFixedTextIsTheDesignText) {
    const std::pair<const char*, const char*> expected[] = {
        {"frmcharacters", "Characters"},
        {"Label1", "Name"},
        {"Label2", "AC"},
        {"Label3", "Hit"},
        {"frmcreatures", "Creatures"},
        {"Label4", "Bonus"},
        {"Label5", "Hit Points"},
        {"frmoptions", "Options"},
        {"Label6", "Hit Die to Roll:"},
        {"Label7", "Hit Calculation:"},
        {"Frame1", "Roll Result"},
        {"lblRoll", "0"},
        {"cmdInfo", "Info"},
        {"Label8", identity::copyrightNotice.data()},
        {"Label9", identity::homepage.data()},
    };
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(shownText(find(QLatin1String(name))), QString::fromUtf8(text)) << name;
    }
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(find<QLineEdit>("txtcharname", row)->text(),
                  QStringLiteral("Character %1").arg(row + 1));
        EXPECT_EQ(find<QLineEdit>("txtcharac", row)->text(), QStringLiteral("0"));
        EXPECT_EQ(find<QLineEdit>("txtbonus", row)->text(), QStringLiteral("0"));
        EXPECT_EQ(find<QLineEdit>("txthitpoints", row)->text(), QStringLiteral("0"));
        EXPECT_EQ(find<QPushButton>("cmdAttack", row)->text(), QStringLiteral("Attack"));
        EXPECT_FALSE(find("shpishit", row)->isHidden()) << "marker " << row;
    }
}

TEST_F(StartupTest, ListsHoldTheirEntriesInOrderWithTheStartSelection) {
    struct Entry {
        const char* text;
        int data;
    };
    const Entry dice[] = {{"d4", 4},   {"d6", 6},   {"d8", 8},    {"d10", 10},
                          {"d12", 12}, {"d20", 20}, {"d100", 100}};
    const Entry bases[] = {
        {"Hit based on AC 0", 0}, {"Roll Greater than AC", 1}, {"Roll Less than AC", 2}};

    const auto check = [this](const char* name, const auto& entries, int selected) {
        auto* list = find<QComboBox>(QLatin1String(name));
        ASSERT_EQ(list->count(), static_cast<int>(std::size(entries))) << name;
        for (int i = 0; i < list->count(); ++i) {
            EXPECT_EQ(list->itemText(i), QLatin1String(entries[i].text)) << name << i;
            EXPECT_EQ(list->itemData(i).toInt(), entries[i].data) << name << i;
        }
        EXPECT_TRUE(list->isEditable()) << name;
        EXPECT_EQ(list->currentIndex(), selected) << name;
        EXPECT_EQ(list->currentText(), QLatin1String(entries[selected].text)) << name;
    };
    check("cmbHitDie", dice, 5);
    check("cmbHitAC", bases, 1);
    EXPECT_EQ(window.selectedDieSize(), 20);
    EXPECT_EQ(window.selectedHitBasis(), 1);
}

// The focus starts in the first name field, before the window is shown and after.
TEST_F(StartupTest, TabVisitsCharactersThenCreaturesRowByRowThenOptionsAndInfo) {
    EXPECT_EQ(window.focusWidget(), find("txtcharname", 0));
    QStringList expected;
    for (int row = 0; row < 8; ++row) {
        expected << QStringLiteral("txtcharname(%1)").arg(row)
                 << QStringLiteral("txtcharac(%1)").arg(row);
    }
    for (int row = 0; row < 8; ++row) {
        expected << QStringLiteral("txtbonus(%1)").arg(row)
                 << QStringLiteral("txthitpoints(%1)").arg(row)
                 << QStringLiteral("cmdAttack(%1)").arg(row);
    }
    expected << QStringLiteral("cmbHitDie") << QStringLiteral("cmbHitAC")
             << QStringLiteral("cmdInfo") << QStringLiteral("txtcharname(0)");

    showActive();
    // A list's text part has the focus on the list's behalf.
    const auto focused = [] {
        QWidget* widget = QApplication::focusWidget();
        return widget->objectName().isEmpty() ? widget->parentWidget()->objectName()
                                              : widget->objectName();
    };
    QStringList forward{focused()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focused();
    }
    EXPECT_EQ(forward, expected);

    QStringList backward{focused()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward << focused();
    }
    std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(backward, expected);
}

// Anti-aliased ink is a blend of background and text colour: for highlight-coloured
// text every channel sits at the same fraction of the way from one to the other.
TEST_F(StartupTest, WebAddressIsDrawnInTheHighlightColour) {
    auto* address = find<QLabel>(QStringLiteral("Label9"));
    const QColor highlight = address->palette().color(QPalette::Highlight);
    const QColor background = address->palette().color(QPalette::Window);
    ASSERT_GT(std::abs(background.red() - highlight.red()), 60);
    ASSERT_GT(std::abs(background.green() - highlight.green()), 60);
    const auto fraction = [](int from, int to, int value) {
        return static_cast<double>(from - value) / (from - to);
    };

    const QImage image = address->grab().toImage();
    double strongest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const double red = fraction(background.red(), highlight.red(), pixel.red());
            const double green = fraction(background.green(), highlight.green(), pixel.green());
            EXPECT_NEAR(red, green, 0.1) << "at " << x << "," << y;
            strongest = std::max(strongest, red);
        }
    }
    EXPECT_GT(strongest, 0.6);
}

// Where the highlight is too pale to read on the window (Breeze's light scheme), the
// scheme's link colour stands in; a darker highlight stays.
TEST_F(StartupTest, WebAddressTakesTheLinkColourWhereTheHighlightDoesNotRead) {
    for (const auto& [highlight, role] :
         {std::pair{QColor(0x3d, 0xae, 0xe9), QPalette::Link},
          std::pair{QColor(0x30, 0x8c, 0xc6), QPalette::Highlight}}) {
        QPalette scheme = window.palette();
        scheme.setColor(QPalette::Window, QColor(0xef, 0xf0, 0xf1));
        scheme.setColor(QPalette::Highlight, highlight);
        window.setPalette(scheme);
        EXPECT_EQ(find<QLabel>(QStringLiteral("Label9"))->foregroundRole(), role);
    }
}

} // namespace
} // namespace skarvel::test
