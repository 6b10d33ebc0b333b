#include "MainWindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <limits>

namespace skarvel::test {
namespace {

// The room a text has inside its box, and the text itself.
struct Fit {
    QString where;
    QString text;
    QFont font;
    QRect room;
};

// A single-line field draws its text inside the style's contents rectangle, less
// two pixels on each side and one above and below.
QRect lineEditRoom(const QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, field)
                                         : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    return contents.marginsRemoved(field->textMargins()).adjusted(2, 1, -2, -1);
}

QRect buttonRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.rect = button->rect();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

// Left of the drop-down arrow, less the text part's own two-pixel margins.
QRect listRoom(const QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    option.rect = list->rect();
    return list->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
        .adjusted(2, 0, -2, 0);
}

// A label's room ends where a list that overlaps it begins.
QRect labelRoom(const QLabel* text) {
    QRect room = text->contentsRect();
    for (const QComboBox* list :
         text->parentWidget()->findChildren<QComboBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (list->geometry().intersects(text->geometry())) {
            room.setRight(list->x() - text->x() - 1);
        }
    }
    return room;
}

// The caption band ends where the frame's first control begins.
QRect captionRoom(const QGroupBox* frame) {
    int firstTop = frame->height();
    for (const QWidget* child :
         frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        firstTop = std::min(firstTop, child->y());
    }
    return QRect(0, 0, frame->width(), firstTop);
}

QString named(const QWidget* control, const QString& detail = {}) {
    return detail.isEmpty() ? control->objectName()
                            : control->objectName() + QStringLiteral(" ") + detail;
}

class FontFitTest : public MainWindowFixture {
protected:
    std::vector<Fit> everyText() {
        window.show(); // polished, with the style's real metrics
        std::vector<Fit> fits;
        for (const QLineEdit* field : window.findChildren<QLineEdit*>()) {
            if (qobject_cast<const QComboBox*>(field->parentWidget()) == nullptr) {
                fits.push_back({named(field), field->text(), field->font(), lineEditRoom(field)});
            }
        }
        for (const QPushButton* button : window.findChildren<QPushButton*>()) {
            fits.push_back({named(button), button->text(), button->font(), buttonRoom(button)});
        }
        for (const QComboBox* list : window.findChildren<QComboBox*>()) {
            for (int i = 0; i < list->count(); ++i) {
                fits.push_back({named(list, list->itemText(i)), list->itemText(i), list->font(),
                                listRoom(list)});
            }
        }
        for (QLabel* text : window.findChildren<QLabel*>()) {
            if (text->objectName() == QStringLiteral("lblRoll")) {
                // The widest roll the die list allows.
                fits.push_back({named(text, QStringLiteral("100")), QStringLiteral("100"),
                                text->font(), labelRoom(text)});
            } else {
                fits.push_back({named(text), text->text(), text->font(), labelRoom(text)});
            }
        }
        for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            option.rect = frame->rect();
            const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, frame);
            fits.push_back({named(frame), frame->title(), frame->font(),
                            label.intersected(captionRoom(frame))});
        }
        return fits;
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

// As a platform theme (qt6ct) does after start-up, setting every attribute it can.
TEST_F(FontFitTest, ALaterApplicationFontChangesNoText) {
    const auto before = everyText();
    const QFont design = QApplication::font();
    QFont theme(QStringLiteral("DejaVu Sans"), 11, QFont::Bold, true);
    theme.setStyleName(QStringLiteral("Book"));
    theme.setLetterSpacing(QFont::PercentageSpacing, 120);
    QApplication::setFont(theme);
    const auto after = everyText();
    QApplication::setFont(design);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].font, before[i].font) << after[i].where.toStdString();
    }
}

} // namespace
} // namespace skarvel::test
