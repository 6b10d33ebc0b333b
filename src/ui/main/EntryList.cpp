#include "EntryList.h"

#include <QLineEdit>

namespace skarvel {

EntryList::EntryList(QWidget* parent)
    : QComboBox(parent) {
    // The text part given directly: setEditable(true) would also build the drop-down's
    // list window at once, before the first frame that never shows it. It is built on
    // first use instead, the same as it would have been.
    setLineEdit(new QLineEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // The combo box itself listens to its text part: on Enter it may insert the text,
    // and when editing finishes (Enter or focus leaving) it selects the entry whose
    // text matches. Both would turn typing into a choice, so it no longer listens.
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &EntryList::dropSelection);
}

void EntryList::addEntry(const QString& text, std::int32_t value) {
    addItem(text, QVariant::fromValue(value));
}

std::optional<std::int32_t> EntryList::selectedData() const {
    if (currentIndex() < 0) {
        return std::nullopt;
    }
    return currentData().value<std::int32_t>();
}

void EntryList::dropSelection(const QString& typed) {
    if (currentIndex() < 0) {
        return;
    }
    // Clearing the selection also clears the text part; put the user's text and
    // cursor back exactly as they were.
    const int cursor = lineEdit()->cursorPosition();
    setCurrentIndex(-1);
    lineEdit()->setText(typed);
    lineEdit()->setCursorPosition(cursor);
}

} // namespace skarvel
