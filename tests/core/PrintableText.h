#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace skarvel::test {

// A field text as it should appear in a test's name: quoted, with tabs and bytes
// outside printable ASCII escaped, and long texts cut to their start and length.
inline std::string printableText(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < 40; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += static_cast<char>(byte);
        }
    }
    out += '"';
    if (text.size() > 40) {
        out += "...(" + std::to_string(text.size()) + " chars)";
    }
    return out;
}

} // namespace skarvel::test
