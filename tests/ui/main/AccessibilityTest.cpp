#include "ApplicationIdentity.h"
#include "MainWindowFixture.h"
#include "frmAbout.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace skarvel::test {
namespace {

class AccessibilityTest : public MainWindowFixture {
protected:
    static QAccessibleInterface* accessible(QWidget* control) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        if (face == nullptr) {
            throw std::runtime_error("no accessible interface");
        }
        return face;
    }
    static QString nameOf(QWidget* control) { return accessible(control)->text(QAccessible::Name); }
};

struct Spoken {
    const char* control;
    QAccessible::Role role;
    const char* name;
};

void PrintTo(const Spoken& spoken, std::ostream* out) {
    *out << spoken.control;
}

class SpokenNameTest : public AccessibilityTest, public ::testing::WithParamInterface<Spoken> {};

// In the main window, else in the About dialog.
TEST_P(SpokenNameTest, ControlIsAnnouncedWithRoleAndRow) {
    QWidget* control = window.findChild<QWidget*>(QLatin1String(GetParam().control));
    if (control == nullptr) {
        find<QPushButton>(QStringLiteral("cmdInfo"))->click();
        control = &findControl<QWidget>(*window.aboutDialog(), GetParam().control);
    }
    QAccessibleInterface* face = accessible(control);
    EXPECT_EQ(face->role(), GetParam().role);
    EXPECT_EQ(face->text(QAccessible::Name), QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, SpokenNameTest,
    ::testing::Values(Spoken{"txtcharname(0)", QAccessible::EditableText, "Character 1 name"},
                      Spoken{"txtcharac(2)", QAccessible::EditableText, "Character 3 armour class"},
                      Spoken{"txtbonus(4)", QAccessible::EditableText, "Creature 5 bonus"},
                      Spoken{"txthitpoints(7)", QAccessible::EditableText, "Creature 8 hit points"},
                      Spoken{"cmdAttack(4)", QAccessible::Button, "Attack with creature 5"},
                      Spoken{"cmdInfo", QAccessible::Button, "Info"},
                      Spoken{"Label1", QAccessible::StaticText, "Name"},
                      Spoken{"Label2", QAccessible::StaticText, "AC"},
                      Spoken{"Label3", QAccessible::StaticText, "Hit"},
                      Spoken{"Label4", QAccessible::StaticText, "Bonus"},
                      Spoken{"Label5", QAccessible::StaticText, "Hit Points"},
                      Spoken{"Label6", QAccessible::StaticText, "Hit Die to Roll:"},
                      Spoken{"Label7", QAccessible::StaticText, "Hit Calculation:"},
                      Spoken{"Label8", QAccessible::StaticText, identity::copyrightNotice.data()},
                      Spoken{"Label9", QAccessible::StaticText, identity::homepage.data()},
                      Spoken{"lblRoll", QAccessible::StaticText, "Roll 0"},
                      Spoken{"shpishit(5)", QAccessible::Client, "Character 6 hit"},
                      Spoken{"frmcreatures", QAccessible::Grouping, "Creatures"},
                      Spoken{"cmdOK", QAccessible::Button, "OK"},
                      Spoken{"cmdSysInfo", QAccessible::Button, "System Info..."},
                      Spoken{"lblTitle", QAccessible::StaticText, "Skarvel"},
                      Spoken{"lblVersion", QAccessible::StaticText, "Version 1.0.0"},
                      Spoken{"lblDescription", QAccessible::StaticText,
                             "Skarvel is simple attack management for game masters.  Simply add "
                             "the party's information to the page. Then put each monsters bonuses "
                             "and attack.  It supports traditional D and D style THAC0 and the new "
                             "third edition style of attacking.  There's also a place to keep "
                             "track of the monster's hit points."}));

// Assistive technology on this platform names a list by the label it is related to.
TEST_F(AccessibilityTest, ListsAreLabelledByTheirCaptions) {
    for (const auto& [list, caption] :
         {std::pair{"cmbHitDie", "Hit Die to Roll:"}, {"cmbHitAC", "Hit Calculation:"}}) {
        QAccessibleInterface* face = accessible(find(QLatin1String(list)));
        EXPECT_EQ(face->role(), QAccessible::ComboBox);
        QStringList labels;
        for (const auto& [other, relation] : face->relations(QAccessible::Label)) {
            labels << other->text(QAccessible::Name);
        }
        EXPECT_TRUE(labels.contains(QLatin1String(caption))) << list;
    }
}

TEST_F(AccessibilityTest, EveryRowControlHasItsOwnName) {
    QSet<QString> names;
    int count = 0;
    for (const char* kind : {"txtcharname", "txtcharac", "txtbonus", "txthitpoints", "cmdAttack"}) {
        for (int row = 0; row < 8; ++row) {
            const QString name = nameOf(find(kind, row));
            EXPECT_TRUE(name.contains(QString::number(row + 1))) << kind << row;
            names.insert(name);
            ++count;
        }
    }
    EXPECT_EQ(names.size(), count);
}

TEST_F(AccessibilityTest, RollAndHitsAreHeardAfterAnAttack) {
    find<QLineEdit>("txtcharac", 1)->setText(QStringLiteral("20"));
    source.script({0.5f}); // d20: 11, misses armour class 20 only
    QTest::mouseClick(find<QPushButton>("cmdAttack", 0), Qt::LeftButton);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(nameOf(find(QStringLiteral("lblRoll"))), QStringLiteral("Roll 11"));
    for (int row : {0, 1}) {
        const bool hit = row == 0;
        QAccessibleInterface* marker = accessible(find("shpishit", row));
        EXPECT_EQ(marker->state().invisible, !hit) << row;
        EXPECT_EQ(marker->text(QAccessible::Name), QStringLiteral("Character %1 hit").arg(row + 1));
        for (const char* field : {"txtcharname", "txtcharac"}) {
            EXPECT_EQ(accessible(find(field, row))->text(QAccessible::Description),
                      hit ? QStringLiteral("Hit") : QStringLiteral("Not hit"))
                << field << row;
        }
    }
}

} // namespace
} // namespace skarvel::test
