#include "Contrast.h"
#include "SkarvelProgram.h"
#include "TextRoom.h"
#include "frmAbout.h"
#include "skarvelform.h"

#include <QApplication>
#include <QColor>
#include <QEventLoop>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using skarvel::test::Fit;

// Lets the platform theme apply what it applies after start-up, and the windows draw.
void settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

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

// Every text of a window must fit its box, be as wide as in the baseline row (within a hinting
// pixel or two), and read against its background; returns the number of failures and records the
// widths.
int check(const QWidget& window, const QMap<QString, int>& baseline, QTextStream& widths) {
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
        if (width > fit.room.width()) {
            fail(fit, QStringLiteral("%1 px wide in a %2 px box").arg(width).arg(fit.room.width()));
        }
        // Hinting at a fractional scale (Windows at 144 dpi) moves a text by a pixel or two;
        // another face or size moves it by a quarter or more.
        const int expected = baseline.value(fit.where, -1);
        if (!baseline.isEmpty() && std::abs(width - expected) > std::max(2, expected / 20)) {
            fail(fit,
                 QStringLiteral("%1 px wide, %2 px in the baseline row").arg(width).arg(expected));
        }
        // In the window that has the keyboard and in the other one alike.
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            const QColor text = fit.drawnBy->palette().color(group, fit.drawnBy->foregroundRole());
            const QColor behind = background(fit.drawnBy, group);
            const double least = fit.where == QStringLiteral("Label9") ? 3.0 : 4.5;
            if (const double ratio = skarvel::contrastRatio(text, behind); ratio < least) {
                fail(fit, QStringLiteral("%1 on %2 reads at %3 : 1 %4")
                              .arg(text.name(), behind.name())
                              .arg(ratio, 0, 'f', 2)
                              .arg(group == QPalette::Active ? "active" : "inactive"));
            }
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

// Starts the program's windows as a user does and opens About through Info; checks every
// text of both and saves both side by side as OUT_DIR/ROW.png. The widths go to
// OUT_DIR/ROW.widths, and a baseline row's file, where named, is what they must equal.
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

    skarvel::SkarvelProgram program;
    skarvel::skarvelform& window = program.window();
    window.show();
    settle(800);
    // Before the dialog opens over it: the X server keeps no hidden pixels.
    const QImage mainShot = shot(window);
    window.findChild<QPushButton*>(QStringLiteral("cmdInfo"))->click();
    settle(400);
    QWidget* about = window.aboutDialog();
    if (about == nullptr || !about->isVisible()) {
        std::fprintf(stderr, "Info opened no About dialog\n");
        return 1;
    }
    const QImage aboutShot = shot(*about);

    const QFont font = window.findChild<QLabel*>(QStringLiteral("Label1"))->font();
    const QStyle* style = QApplication::style();
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) {
        style = proxy->baseStyle(); // a theme's wrapper around the style it chose
    }
    const QFontInfo roll(window.findChild<QLabel*>(QStringLiteral("lblRoll"))->font());
    std::printf("%s: style %s, font %s %g pt, roll %s %g pt, %g dpi, device pixel ratio %g\n",
                qPrintable(row), qPrintable(style->name()), qPrintable(QFontInfo(font).family()),
                QFontInfo(font).pointSizeF(), qPrintable(roll.family()), roll.pointSizeF(),
                window.screen()->logicalDotsPerInch(), window.devicePixelRatioF());
    QFile widthFile(out + row + QStringLiteral(".widths"));
    if (!widthFile.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(widthFile.fileName()));
        return 1;
    }
    QTextStream widths(&widthFile);
    const int failures = check(window, baseline, widths) + check(*about, baseline, widths);

    const int gap = 16;
    QImage both(mainShot.width() + gap + aboutShot.width(),
                std::max(mainShot.height(), aboutShot.height()), QImage::Format_ARGB32);
    both.fill(Qt::transparent);
    QPainter painter(&both);
    painter.drawImage(0, 0, mainShot);
    painter.drawImage(mainShot.width() + gap, 0, aboutShot);
    painter.end();
    const QString picture = out + row + QStringLiteral(".png");
    if (!both.save(picture, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(picture));
        return 1;
    }
    std::printf("%s: %d failures; screenshot %s\n", qPrintable(row), failures, qPrintable(picture));
    return failures == 0 ? 0 : 1;
}
