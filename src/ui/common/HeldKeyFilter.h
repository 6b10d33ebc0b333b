#pragma once

#include <QObject>
#include <QtGlobal>

class QWidget;

namespace skarvel {

// Swallows the repeated presses of a held key in the objects it watches, so that only a
// key's first press acts there: a held Enter or Space presses a button once, and a key held
// since before a box opened cannot close it. Text fields and lists are left to repeat.
class HeldKeyFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Watches a window and every button it holds now; the filter belongs to the window.
    static void watch(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The latest key released, and when (the window system's time, in milliseconds).
    int releasedKey = 0;
    quint64 releasedAt = 0;
};

} // namespace skarvel
