#include "MainWindowFixture.h"
#include "frmAbout.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace skarvel::test {
namespace {

class AboutWiringTest : public MainWindowFixture {
protected:
    // The About windows that exist now, shown or not.
    static std::vector<frmAbout*> aboutDialogs() {
        std::vector<frmAbout*> found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* about = qobject_cast<frmAbout*>(window)) {
                found.push_back(about);
            }
        }
        return found;
    }

    void pressInfo() { QTest::mouseClick(find<QPushButton>("cmdInfo"), Qt::LeftButton); }
};

TEST_F(AboutWiringTest, InfoCreatesOneOwnerlessModelessDialogForTheWholeRun) {
    showActive();
    ASSERT_TRUE(aboutDialogs().empty()) << "the dialog is made on first use, not at start";

    pressInfo();
    ASSERT_EQ(aboutDialogs().size(), 1U);
    frmAbout* about = aboutDialogs().front();
    QSignalSpy loads(about, &frmAbout::loaded);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->parentWidget(), nullptr);

    // While open: to the front, no second dialog, no reload (which would focus OK).
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    auto& sysInfo = findControl<QPushButton>(*about, "cmdSysInfo");
    sysInfo.setFocus();
    showActive();
    pressInfo();
    EXPECT_TRUE(QTest::qWaitForWindowActive(about));
    EXPECT_EQ(QApplication::focusWidget(), &sysInfo);
    EXPECT_EQ(aboutDialogs().size(), 1U);
    EXPECT_EQ(loads.count(), 0);

    about->close();
    pressInfo(); // after closing: the same dialog loads afresh
    EXPECT_EQ(aboutDialogs(), std::vector<frmAbout*>{about});
    EXPECT_EQ(loads.count(), 1);
    EXPECT_TRUE(about->isVisible());

    QTest::mouseClick(&sysInfo, Qt::LeftButton);
    EXPECT_EQ(launcher.starts(), 1) << "System Info reaches the window's launcher";
    EXPECT_TRUE(about->isVisible());
}

TEST_F(AboutWiringTest, TheMainWindowTakesInputWhileTheDialogIsOpen) {
    showActive();
    pressInfo();
    ASSERT_EQ(aboutDialogs().size(), 1U);
    ASSERT_TRUE(aboutDialogs().front()->isVisible());

    auto* bonus = find<QLineEdit>("txtbonus", 2);
    QTest::mouseClick(bonus, Qt::LeftButton);
    bonus->selectAll();
    QTest::keyClicks(bonus, QStringLiteral("7"));
    EXPECT_EQ(bonus->text(), QStringLiteral("7"));

    // Through the window system, where a modal dialog would block the click.
    source.script({0.5f});
    const QWidget* attack = find("cmdAttack", 2);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      attack->mapTo(&window, attack->rect().center()));
    EXPECT_EQ(source.used(), 1U);
    EXPECT_TRUE(errorBoxes.shown.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(aboutDialogs().front()->isVisible());
}

} // namespace
} // namespace skarvel::test
