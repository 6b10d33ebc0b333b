#pragma once

#include <QComboBox>
#include <cstdint>
#include <optional>

namespace skarvel {

// A drop-down list with an editable text part whose typing never becomes a choice:
// only picking an entry selects one. Typed text leaves no entry selected (even text
// equal to an entry's), is never completed or rewritten, and Enter or leaving the
// field neither adds an entry nor picks a matching one.
class EntryList : public QComboBox {
    Q_OBJECT

public:
    explicit EntryList(QWidget* parent = nullptr);

    void addEntry(const QString& text, std::int32_t value);
    // Item data of the selected entry; nullopt while typing has left none selected.
    std::optional<std::int32_t> selectedData() const;

private:
    void dropSelection(const QString& typed);
};

} // namespace skarvel
