#pragma once

#include "SmallInt.h"

#include <string_view>

namespace skarvel {

// Reads the number at the start of a field's text and rounds it to a small integer.
//
// Lexical rules (locale-independent, bytes of UTF-8 text):
// - leading spaces and tabs are skipped;
// - one optional '+' or '-' sign, directly followed by the number;
// - decimal digits with an optional '.' and further digits ("3", "3.", ".5");
// - an optional exponent 'e' or 'E' with an optional sign and at least one digit;
//   an 'e' without digits after it is not part of the number ("3e" reads 3);
// - the number ends at the first character that cannot continue it, so a blank
//   inside ends it ("1 000" reads 1) and trailing words are ignored ("3 orcs");
// - there are no hexadecimal or octal forms: "0x1F" reads 0, "&H1F" reads 0;
// - text that does not begin with a number, the empty text included, reads 0.
//
// The decimal value is rounded exactly (no floating point), to the nearest integer
// with halves to the even neighbour. A result outside -32768..32767, however large
// its exponent, throws OverflowError.
SmallInt textToSmallInt(std::string_view text);

} // namespace skarvel
