#pragma once

#include <QString>
#include <string_view>

namespace skarvel {

// A value of the application's identity (ApplicationIdentity.h, in UTF-8) as Qt text.
inline QString identityText(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

} // namespace skarvel
