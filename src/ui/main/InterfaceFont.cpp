#include "InterfaceFont.h"

namespace skarvel {

QFont interfaceFont() {
#if defined(_WIN32)
    // Windows has the design's own face, at the size the layout was drawn for.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
#else
    QFont font(QStringLiteral("Liberation Sans"));
    // Ten pixels at 96 dpi, the height of the compact dialog font the layout was drawn for.
    font.setPointSizeF(7.5);
#endif
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace skarvel
