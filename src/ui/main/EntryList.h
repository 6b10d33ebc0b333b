#pragma once

#include <QComboBox>
#include <cstdint>
#include <optional>

namespace skarvel {

// A drop-down list with an editable text part whose typing never becomes a choice:
// only picking an entry selects one. Typed text leaves no entry selected (even text
// equal to an entry's), is never completed or rewritten, and Enter or leaving the
// field neither adds an entry nor picks a matching one. Undoing every edit made since
// a choice brings that choice back.
class EntryList : public QComboBox {
    Q_OBJECT

public:
    explicit EntryList(QWidget* parent = nullptr);

    void addEntry(const QString& text, std::int32_t value);
    // Item data of the selected entry; nullopt while typing has left none selected.
    std::optional<std::int32_t> selectedData() const;

private:
    void followEdit(const QString& edited);
    void dropSelection(const QString& edited);

    // The entry whose choice the first edit after it undid; -1 before any.
    int droppedIndex = -1;
};

} // namespace skarvel
