#include "CountingSysInfoLauncher.h"
#include "FindControl.h"
#include "InterfaceFont.h"
#include "frmAbout.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace skarvel::test {
namespace {

class AboutLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.showAbout();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    CountingSysInfoLauncher launcher;
    frmAbout dialog{launcher.launcher()};
};

TEST_F(AboutLayoutTest, EveryControlAndLineLiesInsideTheDialogAndNoneOverlap) {
    const QList<QWidget*> controls =
        dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_FALSE(controls.empty());
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect place = controls[i]->geometry();
        SCOPED_TRACE(controls[i]->objectName().toStdString());
        EXPECT_FALSE(place.isEmpty());
        EXPECT_TRUE(dialog.rect().contains(place));
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(place.intersects(controls[j]->geometry()))
                << controls[j]->objectName().toStdString();
        }
    }
}

TEST_F(AboutLayoutTest, WindowIsAFixedDialogAtItsStoredPlace) {
    EXPECT_EQ(dialog.size(), QSize(382, 237));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const QPoint screenOrigin = QGuiApplication::primaryScreen()->geometry().topLeft();
    EXPECT_EQ(dialog.geometry().topLeft() - screenOrigin, QPoint(156, 129));

    const Qt::WindowFlags flags = dialog.windowFlags();
#ifdef Q_OS_WIN
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
#else
    // A dialog-type window is always transient on X11, kept above the main window.
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
#endif
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.parentWidget(), nullptr);
    EXPECT_FALSE(dialog.isSizeGripEnabled());
}

TEST_F(AboutLayoutTest, SeparatorIsEtchedGreyOverWhite) {
    const QImage image = dialog.grab().toImage();
    const QColor grey(128, 128, 128);
    const QColor white(255, 255, 255);
    const QColor background = image.pixelColor(3, 150);
    ASSERT_NE(background, grey);
    ASSERT_NE(background, white);

    for (int x : {6, 190, 376}) {
        EXPECT_EQ(image.pixelColor(x, 163), grey) << x;
    }
    for (int x : {7, 190, 376}) {
        EXPECT_EQ(image.pixelColor(x, 164), white) << x;
        EXPECT_EQ(image.pixelColor(x, 165), white) << x;
    }
    // The white line starts one pixel further right, and both end short of the right edge.
    EXPECT_EQ(image.pixelColor(6, 164), background);
    EXPECT_EQ(image.pixelColor(5, 163), background);
    EXPECT_EQ(image.pixelColor(377, 163), background);
    EXPECT_EQ(image.pixelColor(377, 164), background);
    EXPECT_EQ(image.pixelColor(190, 166), background);
}

// Black where it reads against the dialog (a light scheme), else the scheme's text colour;
// the version in the button-text colour. On the dialog's own background, in the interface font.
TEST_F(AboutLayoutTest, LabelsReadOnLightAndDarkSchemes) {
    const QColor light(0xef, 0xf0, 0xf1), dark(0x20, 0x23, 0x26), pale(0xfc, 0xfc, 0xfc);
    for (const auto& [window, text, expected] :
         {std::tuple{light, dark, QColor(Qt::black)}, std::tuple{dark, pale, pale}}) {
        QPalette scheme = dialog.palette();
        scheme.setColor(QPalette::Window, window);
        scheme.setColor(QPalette::WindowText, text);
        scheme.setColor(QPalette::ButtonText, text);
        dialog.setPalette(scheme);
        for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
            const auto& label = findControl<QLabel>(dialog, name);
            EXPECT_EQ(label.font(), interfaceFont());
            EXPECT_FALSE(label.autoFillBackground());
            EXPECT_EQ(label.palette().color(QPalette::WindowText),
                      QString::fromLatin1(name) == QStringLiteral("lblVersion") ? text : expected)
                << name << " on " << window.name().toStdString();
        }
    }
}

TEST_F(AboutLayoutTest, IconIsA32PixelImageInASunkenBox) {
    const auto& icon = findControl<QLabel>(dialog, "picIcon");
    EXPECT_EQ(icon.frameShadow(), QFrame::Sunken);
    EXPECT_EQ(icon.frameWidth(), 2);
    EXPECT_EQ(icon.pixmap().deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_EQ(icon.focusPolicy(), Qt::NoFocus);

    // The image is drawn: its centre is not the dialog's background.
    const QImage image = dialog.grab().toImage();
    EXPECT_NE(image.pixelColor(34, 34), image.pixelColor(3, 150));
}

// The height the label's text needs when wrapped at word boundaries to its width.
int wrappedHeight(const QLabel& label, int* lines = nullptr) {
    const QFontMetrics metrics(label.font());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, label.width(), 100000),
                             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, label.text());
    if (lines != nullptr) {
        *lines = needed.height() / metrics.lineSpacing();
    }
    return needed.height();
}

TEST_F(AboutLayoutTest, DescriptionTitleAndVersionFitTheirBoxes) {
    int descriptionLines = 0;
    const auto& description = findControl<QLabel>(dialog, "lblDescription");
    EXPECT_LE(wrappedHeight(description, &descriptionLines), description.height());
    EXPECT_GT(descriptionLines, 1) << "the description should wrap";
    for (const char* name : {"lblTitle", "lblVersion"}) {
        const auto& label = findControl<QLabel>(dialog, name);
        EXPECT_LE(wrappedHeight(label), label.height()) << name;
    }
}

TEST_F(AboutLayoutTest, TextBeyondALabelsBoxIsCutOff) {
    auto& description = findControl<QLabel>(dialog, "lblDescription");
    description.setText(description.text().repeated(4));
    ASSERT_GT(wrappedHeight(description), description.height());
    const QRect box = description.geometry();

    const QImage image = dialog.grab().toImage();
    const QColor background = image.pixelColor(3, 150);
    int inkInside = 0;
    for (int x = box.left(); x <= box.right(); ++x) {
        for (int y = box.bottom() - 12; y <= box.bottom(); ++y) {
            inkInside += image.pixelColor(x, y) != background ? 1 : 0;
        }
        for (int y = box.bottom() + 1; y < 163; ++y) {
            ASSERT_EQ(image.pixelColor(x, y), background) << x << "," << y;
        }
    }
    EXPECT_GT(inkInside, 0) << "the box itself should be filled with text";
    EXPECT_EQ(description.geometry(), box);
}

} // namespace
} // namespace skarvel::test
