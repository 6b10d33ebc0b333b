#include "InterfaceFont.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace skarvel {
namespace {

// Sets each attribute that a font can inherit, to its plain value: a widget font leaves
// only unset attributes to the application font, and a theme's font may set any of them
// (a style name such as "Book", a weight, letter spacing).
QFont pinned(QFont font) {
    font.setStyleName(QString());
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(false);
    font.setOverline(false);
    font.setStrikeOut(false);
    font.setFixedPitch(false);
    font.setStretch(font.stretch());
    font.setCapitalization(QFont::MixedCase);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    font.setWordSpacing(0);
    font.setKerning(font.kerning());
    font.setHintingPreference(font.hintingPreference());
    font.setStyleHint(QFont::SansSerif, font.styleStrategy());
    return font;
}

QFont fallbackFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    // Ten pixels at 96 dpi, the height of the compact dialog font the layout was drawn for.
    font.setPointSizeF(7.5);
    return font;
}

#ifdef Q_OS_WIN
// The TrueType face that Windows has carried since 2000, made with the metrics of the
// raster dialog face the layout was drawn for. The raster face itself is never asked for:
// Qt registers each of its sizes by cell height and then requests that number as a
// character height, so 8 points come back as the 10-point bitmap.
QFont windowsFont() {
    const QString face = QStringLiteral("Microsoft Sans Serif");
    if (!QFontDatabase::families().contains(face, Qt::CaseInsensitive) ||
        !QFontDatabase::isScalable(face)) {
        return fallbackFont();
    }
    QFont font(face);
    font.setPointSize(8);
    return font;
}
#endif

} // namespace

QFont interfaceFont() {
#ifdef Q_OS_WIN
    return pinned(windowsFont());
#else
    return pinned(fallbackFont());
#endif
}

QFont rollFont(const QFont& interface) {
    QFont font = pinned(interface);
    font.setPointSize(24);
    return font;
}

} // namespace skarvel
