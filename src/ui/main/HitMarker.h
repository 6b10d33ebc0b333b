#pragma once

#include <QWidget>

namespace skarvel {

// A character's hit marker: a solid pure-red square, shown for a hit and hidden for a
// miss. It takes no input and never takes the focus.
class HitMarker : public QWidget {
    Q_OBJECT

public:
    explicit HitMarker(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace skarvel
