#pragma once

#include <QFont>

namespace skarvel {

// The font every window's text uses, except the roll display. The windows' sizes were
// drawn for a compact dialog font: on Windows a face made with that font's metrics where
// the system has it, else one metric-compatible with the common sans-serif faces, which
// keeps every caption, heading and entry inside its box. Every attribute of the font is
// set, so a window given it as its own font keeps it whatever application font a platform
// theme or the desktop sets later. Needs the application object.
QFont interfaceFont();

// The roll display's font: the interface font's family at 24 points, normal weight.
QFont rollFont(const QFont& interface);

} // namespace skarvel
