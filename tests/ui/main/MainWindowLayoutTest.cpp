#include "MainWindowFixture.h"

#include <QApplication>
#include <QScrollBar>

namespace skarvel::test {
namespace {

// Expected places in pixels, relative to the container, worked out by hand from the
// window's design (twips / 15).
struct Place {
    const char* name;
    const char* container;
    QRect rect;
};

const Place singles[] = {
    {"frmcharacters", "skarvelform", {8, 8, 185, 233}},
    {"frmcreatures", "skarvelform", {208, 8, 177, 233}},
    {"frmoptions", "skarvelform", {8, 248, 209, 81}},
    {"Frame1", "skarvelform", {224, 248, 161, 81}},
    {"Label8", "skarvelform", {8, 336, 185, 17}},
    {"Label9", "skarvelform", {8, 352, 217, 17}},
    {"cmdInfo", "skarvelform", {328, 336, 57, 25}},
    {"Label1", "frmcharacters", {8, 16, 89, 17}},
    {"Label2", "frmcharacters", {104, 16, 33, 17}},
    {"Label3", "frmcharacters", {144, 16, 33, 17}},
    {"Label4", "frmcreatures", {16, 16, 49, 17}},
    {"Label5", "frmcreatures", {72, 16, 49, 17}},
    {"Label6", "frmoptions", {8, 16, 81, 17}},
    {"cmbHitDie", "frmoptions", {80, 16, 57, 21}},
    {"Label7", "frmoptions", {8, 48, 81, 17}},
    {"cmbHitAC", "frmoptions", {80, 48, 121, 21}},
    {"lblRoll", "Frame1", {16, 24, 129, 41}},
};

// Row controls: left, width and height; the tops follow rowTops.
const Place rowControls[] = {
    {"txtcharname", "frmcharacters", {8, 0, 89, 19}},
    {"txtcharac", "frmcharacters", {104, 0, 33, 19}},
    {"shpishit", "frmcharacters", {152, 0, 17, 17}},
    {"txtbonus", "frmcreatures", {16, 0, 49, 19}},
    {"txthitpoints", "frmcreatures", {72, 0, 49, 19}},
    {"cmdAttack", "frmcreatures", {128, 0, 41, 17}},
};
constexpr int rowTops[8] = {32, 56, 80, 104, 128, 152, 176, 200};

class MainWindowLayoutTest : public MainWindowFixture {
protected:
    void expectEveryPlace() {
        for (const Place& place : singles) {
            const QWidget* control = find(QLatin1String(place.name));
            EXPECT_EQ(control->parentWidget()->objectName(), QLatin1String(place.container))
                << place.name;
            EXPECT_EQ(control->geometry(), place.rect) << place.name;
        }
        for (const Place& place : rowControls) {
            for (int row = 0; row < 8; ++row) {
                const QWidget* control = find(place.name, row);
                const QRect expected(place.rect.left(), rowTops[row], place.rect.width(),
                                     place.rect.height());
                EXPECT_EQ(control->parentWidget()->objectName(), QLatin1String(place.container))
                    << place.name << row;
                EXPECT_EQ(control->geometry(), expected) << place.name << row;
            }
        }
    }
};

TEST_F(MainWindowLayoutTest, EveryControlStandsWhereTheDesignPutsIt) {
    expectEveryPlace();
}

TEST_F(MainWindowLayoutTest, ResizingMovesNothingAndAddsNoScrollBars) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const QSize size : {QSize(800, 700), QSize(150, 120), QSize(392, 373)}) {
        window.resize(size);
        QApplication::processEvents();
        expectEveryPlace();
        for (const QScrollBar* bar : window.findChildren<QScrollBar*>()) {
            EXPECT_FALSE(bar->isVisible()) << size.width() << "x" << size.height();
        }
    }
}

} // namespace
} // namespace skarvel::test
