#include "SkarvelProgram.h"
#include "frmAbout.h"
#include "skarvelform.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

// Starts the program as it ships, then opens and closes the About dialog and presses
// Attack, with changing field texts, for many cycles through the real windows, and prints
// one line of the process's resident memory (VmHWM, its peak, then VmRSS) after cycle 100,
// after every 10,000th cycle and after the last, so that a growth per cycle shows.
// Usage: memory_probe [CYCLES [about|attack]] (default: 10000 cycles of both; a named half
// alone tells which of them grows).
namespace {

// VmRSS and VmHWM from /proc/self/status, in kB.
std::string residentMemory() {
    std::ifstream status("/proc/self/status");
    std::string line;
    std::string figures;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0 || line.rfind("VmHWM:", 0) == 0) {
            figures += line + "  ";
        }
    }
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const long cycles = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10'000;
    const std::string only = argc > 2 ? argv[2] : "";
    const bool cycleAbout = only != "attack";
    const bool cycleAttack = only != "about";
    QApplication app(argc, argv);
    skarvel::SkarvelProgram program;
    skarvel::skarvelform& window = program.window();
    window.show();

    auto* info = window.findChild<QPushButton*>(QStringLiteral("cmdInfo"));
    // Bonus texts include out-of-range ones, so some presses end in an error;
    // armour classes stay in range, so that most presses get to all eight rows.
    const char* texts[] = {"4", "-3", "2.5", "1e3", "", "orcs", "+7 hp", "40000", "99999999"};
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::size_t> anyText(0, std::size(texts) - 1);
    std::uniform_int_distribution<std::size_t> inRangeText(0, std::size(texts) - 3);
    std::uniform_int_distribution<int> anyRow(0, 7);
    long errors = 0;

    for (long cycle = 1; cycle <= cycles; ++cycle) {
        if (cycleAbout) {
            QTest::mouseClick(info, Qt::LeftButton);
            skarvel::frmAbout* about = window.aboutDialog();
            if (about == nullptr || !about->isVisible()) {
                std::fprintf(stderr, "cycle %ld: the About dialog did not open\n", cycle);
                return 1;
            }
            QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        }

        if (cycleAttack) {
            const int row = anyRow(rng);
            window.findChild<QLineEdit*>(QStringLiteral("txtbonus(%1)").arg(row))
                ->setText(QLatin1String(texts[anyText(rng)]));
            window.findChild<QLineEdit*>(QStringLiteral("txtcharac(%1)").arg(anyRow(rng)))
                ->setText(QLatin1String(texts[inRangeText(rng)]));
            // An error's box waits in its own event loop: OK it from there, as a user would.
            QTimer::singleShot(0, &window, [&errors] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    ++errors;
                    box->button(QMessageBox::Ok)->click();
                }
            });
            QTest::mouseClick(
                window.findChild<QPushButton*>(QStringLiteral("cmdAttack(%1)").arg(row)),
                Qt::LeftButton);
        }
        QApplication::processEvents();
        if (cycle == 100 || cycle % 10'000 == 0 || cycle == cycles) {
            std::printf("after %6ld cycles: %s(%ld errors shown)\n", cycle,
                        residentMemory().c_str(), errors);
            std::fflush(stdout);
        }
    }
    return 0;
}
