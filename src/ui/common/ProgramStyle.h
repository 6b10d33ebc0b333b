#pragma once

#include <QProxyStyle>

namespace skarvel {

// The windows' own style: the compact one their fixed layout was drawn in (on Windows the
// native style, classic where the system's colours are dark; Fusion elsewhere), whatever
// style a desktop theme would choose, and chosen again when the system's colours change.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle();

    // Makes a ProgramStyle the application's style, and makes it so again whenever anything
    // else (a platform theme re-applying its own) replaces it. Needs the QApplication.
    static void install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void drawGroupBoxFrame(const QStyleOption& option, QPainter& painter,
                           const QWidget* widget) const;

    // Fusion draws the frame from an image, and loading it by name makes Qt load every
    // image-format plugin (QtSvg among them) at the first frame; this draws it instead.
    bool drawsGroupBoxFrame = false;
};

} // namespace skarvel
