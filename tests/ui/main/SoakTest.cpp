// Many Attack presses through the real window, with field texts, list choices and rows
// chosen at random, each press checked against the attack pass's independent
// reference. SKARVEL_SOAK_PRESSES sets the count (a long run by hand); CTest passes a
// bounded share in SKARVEL_SOAK_DEFAULT_PRESSES; SKARVEL_SOAK_SEED replays a run.

#include "AttackReference.h"
#include "MainWindowFixture.h"
#include "frmAbout.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace skarvel::test {
namespace {

long environmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 0) {
        ADD_FAILURE() << name << " must be a whole number, not \"" << text << '"';
        return fallback;
    }
    return value;
}

// How the error message must name the field that ended the pass.
QString namedField(const Outcome& expected) {
    switch (expected.field) {
    case AttackField::HitBasisList:
        return QStringLiteral("Hit Calculation");
    case AttackField::DieList:
        return QStringLiteral("Hit Die to Roll");
    case AttackField::CreatureBonus:
        return QStringLiteral("creature %1").arg(expected.row + 1);
    case AttackField::CharacterArmourClass:
        return QStringLiteral("character %1").arg(expected.row + 1);
    }
    return {};
}

long pressCount() {
    return environmentNumber("SKARVEL_SOAK_PRESSES",
                             environmentNumber("SKARVEL_SOAK_DEFAULT_PRESSES", 100'000));
}

// The lists' entries as the window must offer them, by index: text and item data.
struct Entry {
    const char* text;
    std::int32_t data;
};
const std::vector<Entry> dieEntries{{"d4", 4},   {"d6", 6},   {"d8", 8},    {"d10", 10},
                                    {"d12", 12}, {"d20", 20}, {"d100", 100}};
const std::vector<Entry> basisEntries{
    {"Hit based on AC 0", 0}, {"Roll Greater than AC", 1}, {"Roll Less than AC", 2}};

// What a game master might type into a list's text part instead of choosing.
const std::vector<std::string> typedListTexts{"d7", "d20 ", "x", "Roll", "3", "d", "Hit"};

class SoakTest : public MainWindowFixture {
protected:
    void SetUp() override {
        showActive();
        for (const QLineEdit* field : window.findChildren<QLineEdit*>()) {
            const QWidget* owner = qobject_cast<QComboBox*>(field->parentWidget())
                                       ? field->parentWidget()
                                       : static_cast<const QWidget*>(field);
            typed[owner->objectName()] = field->text();
        }
        for (std::size_t row = 0; row < 8; ++row) {
            bonus[row].digits = "0";
            armourClass[row].digits = "0";
            bonus[row].text = armourClass[row].text = "0";
        }
    }

    // Puts text into a field, sometimes by typing it as a user would.
    void enter(QLineEdit* field, const std::string& text) {
        const QString value = QString::fromStdString(text);
        const bool typeable =
            !text.empty() &&
            text.find_first_not_of("0123456789+-.eE abcdefghijklmnopqrstuvwxyz%/,&H") ==
                std::string::npos;
        if (typeable && chance(rng, 0.1)) {
            field->selectAll();
            QTest::keyClicks(field, value);
        } else {
            field->setText(value);
        }
        ASSERT_EQ(field->text(), value);
        typed[field->objectName()] = value;
    }

    // Chooses an entry (returning its item data) or types over the text part (nullopt).
    std::optional<std::int32_t> choose(const char* name, const std::vector<Entry>& entries,
                                       std::optional<std::int32_t> current) {
        auto* list = find<QComboBox>(QLatin1String(name));
        // Typed text is put right again sooner than an entry is typed over, so that
        // most presses get as far as the roll.
        const int action = std::uniform_int_distribution<int>(0, 19)(rng);
        if (action < (current ? 15 : 10)) {
            return current; // left alone
        }
        if (action < 19) {
            const auto index =
                std::uniform_int_distribution<std::size_t>(0, entries.size() - 1)(rng);
            list->setCurrentIndex(static_cast<int>(index));
            typed[list->objectName()] = QLatin1String(entries[index].text);
            return entries[index].data;
        }
        const QString text = QString::fromStdString(pick(rng, typedListTexts));
        list->lineEdit()->selectAll();
        QTest::keyClicks(list, text);
        typed[list->objectName()] = text;
        return std::nullopt;
    }

    NumberText randomField() { return randomNumberText(rng, chance(rng, 0.04)); }

    std::array<bool, 8> markers() const {
        std::array<bool, 8> shown{};
        for (std::size_t row = 0; row < 8; ++row) {
            shown[row] = !find("shpishit", static_cast<int>(row))->isHidden();
        }
        return shown;
    }

    std::string roll() const {
        return find<QLabel>(QStringLiteral("lblRoll"))->text().toStdString();
    }

    // Every text the user can edit still holds exactly what was put there.
    void expectTextsKept(long press) {
        for (const QLineEdit* field : window.findChildren<QLineEdit*>()) {
            const QWidget* owner = qobject_cast<QComboBox*>(field->parentWidget())
                                       ? field->parentWidget()
                                       : static_cast<const QWidget*>(field);
            ASSERT_EQ(field->text(), typed.at(owner->objectName()))
                << owner->objectName().toStdString() << " after press " << press;
        }
    }

    Rng rng{static_cast<Rng::result_type>(environmentNumber("SKARVEL_SOAK_SEED", 20261207))};
    std::map<QString, QString> typed;
    std::array<NumberText, 8> bonus;
    std::array<NumberText, 8> armourClass;
};

TEST_F(SoakTest, EveryPressMatchesTheReferenceAndKeepsWhatWasTyped) {
    const long presses = pressCount();
    std::optional<std::int32_t> basis = 1; // the start-up selection
    std::optional<std::int32_t> die = 20;
    long errors = 0;
    const auto start = std::chrono::steady_clock::now();

    for (long press = 0; press < presses; ++press) {
        PassCase c;
        c.before.caption = roll();
        c.before.markers = markers();
        for (std::size_t row = 0; row < 8; ++row) {
            if (chance(rng, 0.15)) {
                armourClass[row] = randomField();
                enter(find<QLineEdit>("txtcharac", static_cast<int>(row)), armourClass[row].text);
            }
            if (chance(rng, 0.08)) {
                bonus[row] = randomField();
                enter(find<QLineEdit>("txtbonus", static_cast<int>(row)), bonus[row].text);
            }
            if (chance(rng, 0.02)) {
                // Free fields: never read, never changed by a press.
                enter(find<QLineEdit>(chance(rng, 0.5) ? "txtcharname" : "txthitpoints",
                                      static_cast<int>(row)),
                      randomField().text);
            }
        }
        basis = choose("cmbHitAC", basisEntries, basis);
        die = choose("cmbHitDie", dieEntries, die);
        // Edits and choices start nothing: the roll and the markers wait for the press.
        ASSERT_TRUE(roll() == c.before.caption && markers() == c.before.markers) << press;

        c.basis = basis;
        c.die = die;
        c.index = std::uniform_int_distribution<int>(0, 7)(rng);
        c.bonus = bonus[static_cast<std::size_t>(c.index)];
        c.armourClass = armourClass;
        c.r = randomDraw(rng, die.value_or(20));
        const Outcome expected = reference(c);

        source.script({c.r});
        const std::size_t drawsBefore = source.used();
        const std::size_t shownBefore = errorBoxes.shown.size();
        QTest::mouseClick(find<QPushButton>("cmdAttack", c.index), Qt::LeftButton);
        source.script({});

        ASSERT_EQ(roll(), expected.caption) << "press " << press << ": " << describe(c);
        ASSERT_EQ(markers(), expected.markers) << "press " << press << ": " << describe(c);
        ASSERT_EQ(source.used() - drawsBefore, expected.draws) << "press " << press;
        if (expected.failure) {
            ++errors;
            ASSERT_EQ(errorBoxes.shown.size(), shownBefore + 1)
                << "press " << press << ": " << describe(c);
            const auto& [text, caption] = errorBoxes.shown.back();
            ASSERT_EQ(caption, "Skarvel");
            ASSERT_TRUE(QString::fromStdString(text).contains(namedField(expected)))
                << "press " << press << ": " << text;
        } else {
            ASSERT_EQ(errorBoxes.shown.size(), shownBefore)
                << "press " << press << ": " << describe(c) << " reported "
                << errorBoxes.shown.back().first;
        }
        errorBoxes.shown.clear();
        expectTextsKept(press);
        if (HasFatalFailure()) {
            return;
        }
    }

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("presses", static_cast<int>(presses));
    RecordProperty("pressesEndingInError", static_cast<int>(errors));
    std::printf("%ld presses, %ld ended in an error, %.1f s\n", presses, errors, seconds);
    if (presses >= 100) {
        // Both kinds of press must occur in good number, as a hundred presses show them.
        EXPECT_GT(errors, presses / 50);
        EXPECT_LT(errors, presses / 2);
    }
}

// Opening and closing the About dialog and pressing Attack many times: under the
// sanitizer build LeakSanitizer checks at exit that none of it was lost.
TEST_F(SoakTest, AboutAndAttackCyclesLoseNothing) {
    const long cycles = std::max(1L, pressCount() / 5);
    auto* info = find<QPushButton>("cmdInfo");
    for (long cycle = 0; cycle < cycles; ++cycle) {
        QTest::mouseClick(info, Qt::LeftButton);
        frmAbout* about = window.aboutDialog();
        ASSERT_TRUE(about != nullptr && about->isVisible()) << "cycle " << cycle;
        QTest::mouseClick(&findControl<QPushButton>(*about, "cmdOK"), Qt::LeftButton);
        ASSERT_FALSE(about->isVisible());

        source.script({0.5f});
        QTest::mouseClick(find<QPushButton>("cmdAttack", static_cast<int>(cycle % 8)),
                          Qt::LeftButton);
        ASSERT_EQ(roll(), "11");
    }
}

} // namespace
} // namespace skarvel::test
