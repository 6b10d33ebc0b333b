#pragma once

#include <QFont>

namespace skarvel {

// The font every window's text uses, except the roll display. The windows' sizes
// were drawn for a compact dialog font; this one is metric-compatible with the
// common sans-serif faces and keeps every caption, heading and entry inside its box.
QFont interfaceFont();

} // namespace skarvel
