#include "MainWindowFixture.h"
#include "TextRoom.h"
#include "frmAbout.h"

#include <QApplication>
#include <QPushButton>
#include <limits>

namespace skarvel::test {
namespace {

class FontFitTest : public MainWindowFixture {
protected:
    std::vector<Fit> everyText() {
        window.show(); // polished, with the style's real metrics
        return test::everyText(window);
    }
};

TEST_F(FontFitTest, EveryTextFitsItsBox) {
    const auto fits = everyText();
    // 32 fields, 9 buttons, 10 list entries, 10 labels, 4 frame captions.
    EXPECT_EQ(fits.size(), 65u);
    const Fit* tightest = nullptr;
    int leastSpare = std::numeric_limits<int>::max();
    for (const Fit& fit : fits) {
        const QFontMetrics metrics(fit.font);
        const int width = metrics.horizontalAdvance(fit.text);
        EXPECT_LE(width, fit.room.width())
            << fit.where.toStdString() << ": \"" << fit.text.toStdString() << "\"";
        EXPECT_LE(metrics.height(), fit.room.height()) << fit.where.toStdString();
        EXPECT_FALSE(fit.font.underline() || fit.font.overline() || fit.font.strikeOut() ||
                     fit.font.italic() || fit.font.weight() != QFont::Normal)
            << fit.where.toStdString() << " is decorated";
        if (fit.room.width() - width < leastSpare) {
            leastSpare = fit.room.width() - width;
            tightest = &fit;
        }
    }
    // For whoever next changes the font: how close the tightest text comes to its edge.
    if (tightest != nullptr) {
        RecordProperty("tightest",
                       tightest->where.toStdString() + ", spare px " + std::to_string(leastSpare));
    }
}

// As a platform theme (qt6ct) does after start-up, setting every attribute it can; in the
// About dialog too.
TEST_F(FontFitTest, ALaterApplicationFontChangesNoText) {
    find<QPushButton>(QStringLiteral("cmdInfo"))->click();
    const auto everyTextOfBoth = [this] {
        auto texts = everyText();
        const auto about = test::everyText(*window.aboutDialog());
        texts.insert(texts.end(), about.begin(), about.end());
        return texts;
    };
    const auto before = everyTextOfBoth();
    const QFont design = QApplication::font();
    QFont theme(QStringLiteral("DejaVu Sans"), 11, QFont::Bold, true);
    theme.setStyleName(QStringLiteral("Book"));
    theme.setLetterSpacing(QFont::PercentageSpacing, 120);
    theme.setUnderline(true);
    theme.setOverline(true);
    theme.setStrikeOut(true);
    QApplication::setFont(theme);
    QCoreApplication::processEvents(); // the change reaches the widgets as posted events
    const auto after = everyTextOfBoth();
    QApplication::setFont(design);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].font, before[i].font) << after[i].where.toStdString();
    }
}

} // namespace
} // namespace skarvel::test
