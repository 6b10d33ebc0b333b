#include "ProgramStyle.h"

#include "SkarvelProgram.h"
#include "skarvelform.h"

#include <QGroupBox>
#include <QStyleFactory>
#include <gtest/gtest.h>
#include <memory>

namespace skarvel {
namespace {

// The program's windows keep the platform's compact style when anything replaces it later.
TEST(ProgramStyleTest, TheProgramKeepsItsStyleWhenAThemeReplacesIt) {
    SkarvelProgram program;
    const auto* style = dynamic_cast<const ProgramStyle*>(program.window().style());
    ASSERT_NE(style, nullptr);
#ifdef Q_OS_WIN
    EXPECT_EQ(style->baseStyle()->name(), QLatin1String("windowsvista"));
#else
    EXPECT_EQ(style->baseStyle()->name(), QLatin1String("fusion"));
#endif
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("windows")));
    QCoreApplication::processEvents();
    EXPECT_NE(dynamic_cast<const ProgramStyle*>(program.window().style()), nullptr);
}

// Drawn without Fusion's image, the group-box frame still matches it, pixel for pixel
// within a few levels, with and without a caption.
TEST(ProgramStyleTest, GroupBoxFrameLooksLikeFusions) {
    ProgramStyle ours;
    if (ours.baseStyle()->name() != QLatin1String("fusion")) {
        GTEST_SKIP() << "the native style draws its own frame";
    }
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    for (const QString& caption : {QStringLiteral("Options"), QString()}) {
        const auto render = [&caption](QStyle* style) {
            QGroupBox box(caption);
            box.setStyle(style);
            box.resize(120, 60);
            return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage expected = render(fusion.get());
        const QImage drawn = render(&ours);
        for (int y = 0; y < expected.height(); ++y) {
            for (int x = 0; x < expected.width(); ++x) {
                const int difference = qGray(expected.pixel(x, y)) - qGray(drawn.pixel(x, y));
                ASSERT_LE(std::abs(difference), 8)
                    << "at " << x << ", " << y << " " << caption.toStdString();
            }
        }
    }
}

} // namespace
} // namespace skarvel
