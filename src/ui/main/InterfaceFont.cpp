#include "InterfaceFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace skarvel {

QFont interfaceFont() {
    // The design's own face at the size the layout was drawn for, where the system has it
    // (Windows). An exact match among the installed families: an alias that the font
    // system resolves to another face does not count.
    const QString designFace = QStringLiteral("MS Sans Serif");
    if (QFontDatabase::families().contains(designFace, Qt::CaseInsensitive)) {
        QFont font(designFace);
        font.setPointSize(8);
        return font;
    }
    QFont font(QStringLiteral("Liberation Sans"));
    // Ten pixels at 96 dpi, the height of the compact dialog font the layout was drawn for.
    font.setPointSizeF(7.5);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace skarvel
