// One Attack press through the real main window: a mouse press and release on an Attack
// button, delivered as the window system would deliver them, up to the eight hit markers
// set without painting anything; and the same press with every repaint it causes: the
// button's own pressed and released looks and the changed markers and roll.
#include "SkarvelProgram.h"
#include "skarvelform.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace skarvel {
namespace {

// The window as main builds it, filled with a party whose armour classes spread over the
// d20's range, so that every press shows some markers and hides others.
class ShownWindow {
public:
    ShownWindow() {
        constexpr std::array<int, skarvelform::rowCount> armourClasses{-2, 1, 4, 7, 10, 13, 16, 19};
        for (std::size_t row = 0; row < skarvelform::rowCount; ++row) {
            window.findChild<QLineEdit*>(QStringLiteral("txtcharac(%1)").arg(row))
                ->setText(QString::number(armourClasses[row]));
            markers[row] = window.findChild<QWidget*>(QStringLiteral("shpishit(%1)").arg(row));
        }
        window.findChild<QLineEdit*>(QStringLiteral("txtbonus(3)"))->setText(QStringLiteral("2"));
        attack = window.findChild<QPushButton*>(QStringLiteral("cmdAttack(3)"));
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            std::fprintf(stderr, "the main window was never exposed\n");
        }
        repaintChanges();
    }

    void press() { QTest::mouseClick(attack, Qt::LeftButton); }

    // A button repaints itself at once on press and release, for immediate feedback;
    // with updates off, a press costs only its handling and the window's changes wait.
    void holdPainting(bool hold) { window.setUpdatesEnabled(!hold); }

    // What the window system's update request does: paint the dirty region and flush it.
    void repaintChanges() {
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&window, &request);
    }

    int hits() const {
        int count = 0;
        for (const QWidget* marker : markers) {
            count += marker->isVisibleTo(&window) ? 1 : 0;
        }
        return count;
    }

private:
    SkarvelProgram program;
    skarvelform& window = program.window();
    std::array<QWidget*, skarvelform::rowCount> markers{};
    QPushButton* attack = nullptr;
};

void attackPress(benchmark::State& state) {
    ShownWindow shown;
    shown.holdPainting(true);
    long long hits = 0;
    long long sampled = 0;
    long long pressed = 0;
    for (auto _ : state) {
        shown.press();
        ++pressed;
        // Nothing is painted inside the timing; now and then the queued work is let
        // through untimed, as an idle event loop would, so that it cannot pile up.
        if (pressed % 1024 == 0) {
            state.PauseTiming();
            hits += shown.hits();
            ++sampled;
            shown.holdPainting(false);
            shown.repaintChanges();
            QCoreApplication::processEvents();
            shown.holdPainting(true);
            state.ResumeTiming();
        }
    }
    state.counters["hitsPerPress"] = benchmark::Counter(
        sampled == 0 ? 0.0 : static_cast<double>(hits) / static_cast<double>(sampled));
}
BENCHMARK(attackPress);

void attackPressAndRepaint(benchmark::State& state) {
    ShownWindow shown;
    for (auto _ : state) {
        shown.press();
        shown.repaintChanges();
    }
}
BENCHMARK(attackPressAndRepaint);

} // namespace
} // namespace skarvel

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv); // each benchmark's SkarvelProgram sets the font
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
