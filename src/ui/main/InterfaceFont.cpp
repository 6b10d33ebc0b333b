#include "InterfaceFont.h"

namespace skarvel {

QFont interfaceFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    // Ten pixels at 96 dpi, the height of the compact dialog font the layout was drawn for.
    font.setPointSizeF(7.5);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace skarvel
