#include "EntryList.h"

#include <QLineEdit>
#include <limits>

namespace skarvel {

EntryList::EntryList(QWidget* parent)
    : QComboBox(parent) {
    // The text part given directly: setEditable(true) would also build the drop-down's
    // list window at once, before the first frame that never shows it. It is built on
    // first use instead, the same as it would have been.
    setLineEdit(new QLineEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
    // Typed text is never completed. This also frees the completer that setLineEdit made:
    // the text part owns it and deletes it when it is taken away, so it must not be
    // deleted here as well.
    setCompleter(nullptr);
    // The combo box itself listens to its text part: on Enter it may insert the text,
    // and when editing finishes (Enter or focus leaving) it selects the entry whose
    // text matches. Both would turn typing into a choice, so it no longer listens.
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &EntryList::followEdit);
    // The text part holds whatever is typed or pasted, however long; Qt's default would
    // cut it at 32,767 characters without a word.
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
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

void EntryList::followEdit(const QString& edited) {
    if (currentIndex() >= 0) {
        dropSelection(edited);
        return;
    }
    // The history starts at the dropped choice's text (see dropSelection), so an empty
    // history with that text means every edit since the choice has been undone.
    if (droppedIndex >= 0 && !lineEdit()->isUndoAvailable() && edited == itemText(droppedIndex)) {
        setCurrentIndex(droppedIndex);
    }
}

void EntryList::dropSelection(const QString& edited) {
    QLineEdit* text = lineEdit();
    const int cursor = text->cursorPosition();
    droppedIndex = currentIndex();
    // Clearing the selection also clears the text part and its undo history. Put the
    // chosen text back as the history's start, then make the edit again on top of it,
    // so that undo can return to the choice; the cursor ends where the edit left it.
    setCurrentIndex(-1);
    text->setText(itemText(droppedIndex));
    text->selectAll();
    text->insert(edited);
    text->setCursorPosition(cursor);
}

} // namespace skarvel

#include "moc_EntryList.cpp"
