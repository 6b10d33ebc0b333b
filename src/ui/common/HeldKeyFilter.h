#pragma once

#include <QObject>
#include <QtGlobal>

class QWidget;

namespace skarvel {

// Swallows the repeated presses of a held key in the objects it watches, so that only a
// key's first press acts there: a key held since before a box opened cannot close it.
class HeldKeyFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Watches a window and every control it holds now; the filter belongs to the window.
    static void watch(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The latest key released, and when (the window system's time, in milliseconds).
    int releasedKey = 0;
    quint64 releasedAt = 0;
};

} // namespace skarvel
