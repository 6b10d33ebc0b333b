#include "Contrast.h"
#include "SkarvelProgram.h"
#include "TextRoom.h"
#include "frmAbout.h"
#include "skarvelform.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QScreen>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using skarvel::test::Fit;

// What lies behind a text: the drawing widget's own panel where it paints one (buttons,
// fields), else that of the nearest container that fills its background, up to the window.
QColor background(const QWidget* widget, QPalette::ColorGroup group) {
    const QWidget* filled = widget;
    while (!filled->isWindow() && !filled->autoFillBackground() &&
           qobject_cast<const QAbstractButton*>(filled) == nullptr &&
           qobject_cast<const QLineEdit*>(filled) == nullptr) {
        filled = filled->parentWidget();
    }
    return filled->palette().color(group, filled->backgroundRole());
}

int widthOf(const Fit& fit) {
    const QFontMetrics metrics(fit.font);
    return fit.wraps ? metrics.boundingRect(fit.room, Qt::TextWordWrap, fit.text).width()
                     : metrics.horizontalAdvance(fit.text);
}

// The widths the baseline row recorded, by text.
QMap<QString, int> readWidths(const QString& path) {
    QMap<QString, int> widths;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QStringList parts = in.readLine().split(QLatin1Char('\t'));
            widths.insert(parts.first(), parts.last().toInt());
        }
    }
    return widths;
}

// How a text reads on the screen: the commonest colour of its room is the ground, and the pixel
// that stands out from it most is the ink.
double shownContrast(const QImage& shot, const QRect& room) {
    QHash<QRgb, int> counts;
    for (int y = room.top(); y <= room.bottom(); ++y) {
        for (int x = room.left(); x <= room.right(); ++x) {
            ++counts[shot.pixel(x, y)];
        }
    }
    const auto ground = std::max_element(counts.cbegin(), counts.cend()); // by count
    double most = 1;
    for (auto ink = counts.cbegin(); ink != counts.cend(); ++ink) {
        most = std::max(most, skarvel::contrastRatio(QColor(ground.key()), QColor(ink.key())));
    }
    return most;
}

// Every text of a window must fit its box and be as wide as in the baseline row (within a
// hinting pixel or two), unless its face only stands in for another (not measured), and read
// against its background, by its palette and on the screen (shot); returns the number of
// failures and records the widths.
int check(const QWidget& window, const QImage& shot, const QMap<QString, int>& baseline,
          bool measured, QTextStream& widths) {
    int failures = 0;
    const auto fail = [&failures](const Fit& fit, const QString& what) {
        ++failures;
        const QString shown =
            fit.text.size() > 40 ? fit.text.left(37) + QStringLiteral("...") : fit.text;
        std::printf("FAIL %s \"%s\": %s\n", qPrintable(fit.where), qPrintable(shown),
                    qPrintable(what));
    };
    for (const Fit& fit : skarvel::test::everyText(window)) {
        if (fit.text.isEmpty()) {
            continue;
        }
        const int width = widthOf(fit);
        widths << fit.where << '\t' << width << '\n';
        if (measured && width > fit.room.width()) {
            fail(fit, QStringLiteral("%1 px wide in a %2 px box").arg(width).arg(fit.room.width()));
        }
        // Hinting at a fractional scale (Windows at 144 dpi) moves a text by a pixel or two;
        // another face or size moves it by a quarter or more.
        const int expected = baseline.value(fit.where, -1);
        if (measured && !baseline.isEmpty() &&
            std::abs(width - expected) > std::max(2, expected / 20)) {
            fail(fit,
                 QStringLiteral("%1 px wide, %2 px in the baseline row").arg(width).arg(expected));
        }
        // In the window that has the keyboard and in the other one alike.
        const double least =
            fit.where == QStringLiteral("Label9") ? skarvel::linkContrast : skarvel::textContrast;
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            const QColor text = fit.drawnBy->palette().color(group, fit.drawnBy->foregroundRole());
            const QColor behind = background(fit.drawnBy, group);
            if (const double ratio = skarvel::contrastRatio(text, behind); ratio < least) {
                fail(fit, QStringLiteral("%1 on %2 reads at %3 : 1 %4")
                              .arg(text.name(), behind.name())
                              .arg(ratio, 0, 'f', 2)
                              .arg(group == QPalette::Active ? "active" : "inactive"));
            }
        }
        // A list's text part draws inside the list, whose coordinates its room is in.
        const QWidget* box = qobject_cast<const QComboBox*>(fit.drawnBy->parentWidget())
                                 ? fit.drawnBy->parentWidget()
                                 : fit.drawnBy;
        const qreal scale = window.devicePixelRatioF();
        const QRect room = QRectF(QPointF(box->mapTo(&window, fit.room.topLeft())) * scale,
                                  QSizeF(fit.room.size()) * scale)
                               .toAlignedRect() &
                           shot.rect();
        if (const double ratio = shownContrast(shot, room); ratio < least) {
            fail(fit, QStringLiteral("shown at %1 : 1").arg(ratio, 0, 'f', 2));
        }
    }
    return failures;
}

// What the window system shows of a window, in its device pixels.
QImage shot(QWidget& window) {
    QImage image = window.screen()->grabWindow(window.winId()).toImage();
    image.setDevicePixelRatio(1);
    return image;
}

} // namespace

// Starts the program's windows as a user does and opens About through Info; checks that the
// row's setting took effect, then every text of both, and saves both side by side as
// OUT_DIR/ROW.png, and each alone as ROW-main.png and ROW-about.png. The widths go to
// OUT_DIR/ROW.widths, and a baseline row's file, where named, is what they must equal.
// SKARVEL_EXPECT lists what shows the row's setting, as KEY=VALUE separated by commas: the base
// style, the window colour, the device pixel ratio, the font as FAMILY/POINTS; measure=no leaves
// out the widths of a face that only stands in for another.
int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s ROW OUT_DIR [BASELINE_ROW]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QString row = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');
    const QMap<QString, int> baseline =
        argc == 4 ? readWidths(out + QString::fromLocal8Bit(argv[3]) + QStringLiteral(".widths"))
                  : QMap<QString, int>();
    if (argc == 4 && baseline.isEmpty()) {
        std::fprintf(stderr, "no widths of the baseline row %s\n", argv[3]);
        return 2;
    }
    QMap<QString, QString> expected;
    for (const QString& setting : qEnvironmentVariable("SKARVEL_EXPECT").split(u',')) {
        expected.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }

    skarvel::SkarvelProgram program;
    skarvel::skarvelform& window = program.window();
    window.show();
    // A theme's colours may arrive after the first frame: the row waits for its own, and
    // the check of the window's colour below says if they never came.
    const auto colour = [&window] {
        return window.palette().color(QPalette::Window).name();
    };
    const QString wantedColour = expected.value(QStringLiteral("window"));
    if (!QTest::qWaitForWindowExposed(&window) ||
        (!wantedColour.isEmpty() && !QTest::qWaitFor([&] { return colour() == wantedColour; }))) {
        std::printf("%s: the main window is not shown in the row's colours\n", qPrintable(row));
    }
    // Before the dialog opens over it: the X server keeps no hidden pixels.
    const QImage mainShot = shot(window);
    window.findChild<QPushButton*>(QStringLiteral("cmdInfo"))->click();
    QWidget* about = window.aboutDialog();
    if (about == nullptr || !QTest::qWaitForWindowExposed(about)) {
        std::fprintf(stderr, "Info opened no About dialog\n");
        return 1;
    }
    const QImage aboutShot = shot(*about);

    const QStyle* style = QApplication::style();
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) {
        style = proxy->baseStyle(); // the program's own style around the one it chose
    }
    // The face the font system matched, at the size the program asked for; the roll display
    // has that face at 24 points, normal weight, in every row.
    const QFont font = window.findChild<QLabel*>(QStringLiteral("Label1"))->font();
    const QFontInfo roll(window.findChild<QLabel*>(QStringLiteral("lblRoll"))->font());
    const QString face = QFontInfo(font).family();
    expected.insert(QStringLiteral("roll"),
                    QStringLiteral("%1/24/%2").arg(face).arg(QFont::Normal));
    const std::pair<const char*, QString> shown[] = {
        {"style", style->name()},
        {"window", colour()},
        {"ratio", QString::number(window.devicePixelRatioF())},
        {"font", QStringLiteral("%1/%2").arg(face).arg(font.pointSizeF())},
        {"roll",
         QStringLiteral("%1/%2/%3").arg(roll.family()).arg(roll.pointSizeF()).arg(roll.weight())}};
    int failures = 0;
    for (const auto& [what, value] : shown) {
        const QString wanted = expected.value(QLatin1String(what), value);
        failures += value == wanted ? 0 : 1;
        std::printf("%s %s: %s%s\n", value == wanted ? "    " : "FAIL", what, qPrintable(value),
                    value == wanted ? "" : qPrintable(QStringLiteral(", not ") + wanted));
    }

    QFile widthFile(out + row + QStringLiteral(".widths"));
    if (!widthFile.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(widthFile.fileName()));
        return 1;
    }
    QTextStream widths(&widthFile);
    const bool measured = expected.value(QStringLiteral("measure")) != QStringLiteral("no");
    failures += check(window, mainShot, baseline, measured, widths) +
                check(*about, aboutShot, baseline, measured, widths);
    const int gap = 16;
    QImage both(mainShot.width() + gap + aboutShot.width(),
                std::max(mainShot.height(), aboutShot.height()), QImage::Format_ARGB32);
    both.fill(Qt::transparent);
    QPainter painter(&both);
    painter.drawImage(0, 0, mainShot);
    painter.drawImage(mainShot.width() + gap, 0, aboutShot);
    painter.end();
    for (const auto& [image, name] :
         {std::pair{&mainShot, "-main"}, {&aboutShot, "-about"}, {&both, ""}}) {
        const QString picture = out + row + QLatin1String(name) + QStringLiteral(".png");
        if (!image->save(picture, "PNG")) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(picture));
            return 1;
        }
    }
    std::printf("%s: %d failures; screenshot %s.png\n", qPrintable(row), failures,
                qPrintable(out + row));
    return failures == 0 ? 0 : 1;
}
