#include "ProgramStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QStyleFactory>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace skarvel::test {
namespace {

TEST(ProgramStyleTest, TheCompactStyleComesBackWhenAThemeReplacesIt) {
    ProgramStyle::install();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("windows")));
    QCoreApplication::processEvents();
    const auto* style = dynamic_cast<const ProgramStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    const bool windows = QSysInfo::productType() == QLatin1String("windows");
    EXPECT_EQ(style->baseStyle()->name(), QLatin1String(windows ? "windowsvista" : "fusion"));
}

// Windows' own style would draw light panels under a dark set's light text; the choice is
// made again when the colours change while the windows are open.
TEST(ProgramStyleTest, ClassicWindowsWhereTheSystemColoursAreDark) {
    ProgramStyle::install();
    QWidget mainWindow;
    QWidget about;
    mainWindow.show();
    about.show();
    const QPalette system = QApplication::palette();
    QPalette dark = system;
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    const bool windows = QSysInfo::productType() == QLatin1String("windows");
    for (const auto& [colours, base] : {std::pair{dark, windows ? "windows" : "fusion"},
                                        std::pair{system, windows ? "windowsvista" : "fusion"}}) {
        QApplication::setPalette(colours);
        QCoreApplication::processEvents();
        const auto* style = dynamic_cast<const ProgramStyle*>(QApplication::style());
        ASSERT_NE(style, nullptr);
        EXPECT_EQ(style->baseStyle()->name(), QLatin1String(base));
    }
}

// Drawn without Fusion's image, the group-box frame matches it within a few levels.
TEST(ProgramStyleTest, GroupBoxFrameLooksLikeFusions) {
    ProgramStyle ours;
    if (ours.baseStyle()->name() != QLatin1String("fusion")) {
        GTEST_SKIP() << "the native style draws its own frame";
    }
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    for (const QString& caption : {QStringLiteral("Options"), QString()}) {
        QGroupBox box(caption);
        box.resize(120, 60);
        box.setStyle(fusion.get());
        const QImage expected = box.grab().toImage();
        box.setStyle(&ours);
        const QImage drawn = box.grab().toImage();
        for (int at = 0; at < 120 * 60; ++at) {
            const QPoint pixel(at % 120, at / 120);
            const int difference = qGray(expected.pixel(pixel)) - qGray(drawn.pixel(pixel));
            ASSERT_LE(std::abs(difference), 7) << pixel.x() << ", " << pixel.y();
        }
    }
}

} // namespace
} // namespace skarvel::test
