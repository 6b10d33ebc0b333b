#pragma once

#include <QFont>

namespace skarvel {

// The font every window's text uses, except the roll display. The windows' sizes
// were drawn for a compact dialog font: the design's own face where the system has it,
// else one metric-compatible with the common sans-serif faces, which keeps every
// caption, heading and entry inside its box. Needs the application object.
QFont interfaceFont();

} // namespace skarvel
