#pragma once

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace skarvel::test {

// One text of a window, the room it has inside its box, and the widget that draws it.
struct Fit {
    QString where;
    QString text;
    QFont font;
    QRect room;
    const QWidget* drawnBy;
    bool wraps = false;
};

// A single-line field draws its text inside the style's contents rectangle, less
// two pixels on each side and one above and below.
inline QRect lineEditRoom(const QLineEdit* field) {
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

inline QRect buttonRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.rect = button->rect();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

// Left of the drop-down arrow, less the text part's own two-pixel margins.
inline QRect listRoom(const QComboBox* list) {
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
inline QRect labelRoom(const QLabel* text) {
    QRect room = text->contentsRect();
    for (const QComboBox* list :
         text->parentWidget()->findChildren<QComboBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (list->geometry().intersects(text->geometry())) {
            room.setRight(list->x() - text->x() - 1);
        }
    }
    return room;
}

// The style's caption band, which ends where the frame's first control begins.
inline QRect captionRoom(const QGroupBox* frame) {
    int firstTop = frame->height();
    for (const QWidget* child :
         frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        firstTop = std::min(firstTop, child->y());
    }
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.rect = frame->rect();
    return frame->style()
        ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
        .intersected(QRect(0, 0, frame->width(), firstTop));
}

inline QString named(const QWidget* control, const QString& detail = {}) {
    return detail.isEmpty() ? control->objectName()
                            : control->objectName() + QStringLiteral(" ") + detail;
}

// Every text of a shown window: fields (a list's text part counts with its list), button
// captions, every list entry, labels (the roll display at its widest roll) and frame captions.
inline std::vector<Fit> everyText(const QWidget& window) {
    std::vector<Fit> fits;
    for (const QLineEdit* field : window.findChildren<QLineEdit*>()) {
        if (qobject_cast<const QComboBox*>(field->parentWidget()) == nullptr) {
            fits.push_back(
                {named(field), field->text(), field->font(), lineEditRoom(field), field});
        }
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        fits.push_back({named(button), button->text(), button->font(), buttonRoom(button), button});
    }
    for (const QComboBox* list : window.findChildren<QComboBox*>()) {
        const QWidget* drawnBy = list;
        if (list->isEditable()) {
            drawnBy = list->lineEdit();
        }
        for (int i = 0; i < list->count(); ++i) {
            fits.push_back({named(list, list->itemText(i)), list->itemText(i), list->font(),
                            listRoom(list), drawnBy});
        }
    }
    for (const QLabel* text : window.findChildren<QLabel*>()) {
        if (text->objectName() == QStringLiteral("lblRoll")) {
            fits.push_back({named(text, QStringLiteral("100")), QStringLiteral("100"), text->font(),
                            labelRoom(text), text});
        } else {
            fits.push_back(
                {named(text), text->text(), text->font(), labelRoom(text), text, text->wordWrap()});
        }
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        fits.push_back({named(frame), frame->title(), frame->font(), captionRoom(frame), frame});
    }
    return fits;
}

} // namespace skarvel::test
