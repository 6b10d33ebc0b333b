#include "TextToNumber.h"

#include "OverflowError.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace skarvel {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Caps an exponent far beyond any value that could fit, so that a long run of
// exponent digits cannot overflow the counter.
constexpr std::int64_t exponentCap = 1'000'000'000;

struct DecimalNumber {
    bool negative = false;
    std::string digits;        // every mantissa digit, the point removed
    std::int64_t pointPos = 0; // digits before the point
    std::int64_t exponent = 0;
};

DecimalNumber scanLeadingNumber(std::string_view text) {
    DecimalNumber number;
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    while (pos < text.size() && isDigit(text[pos])) {
        number.digits.push_back(text[pos++]);
    }
    number.pointPos = static_cast<std::int64_t>(number.digits.size());
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            number.digits.push_back(text[pos++]);
        }
    }
    if (number.digits.empty()) {
        return {};
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t expPos = pos + 1;
        bool expNegative = false;
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-')) {
            expNegative = text[expPos] == '-';
            ++expPos;
        }
        if (expPos < text.size() && isDigit(text[expPos])) {
            std::int64_t exponent = 0;
            while (expPos < text.size() && isDigit(text[expPos])) {
                exponent = std::min(exponentCap, exponent * 10 + (text[expPos++] - '0'));
            }
            number.exponent = expNegative ? -exponent : exponent;
        }
    }
    return number;
}

} // namespace

SmallInt textToSmallInt(std::string_view text) {
    DecimalNumber number = scanLeadingNumber(text);

    // Normalise to 0.d1d2...dm x 10^scale with d1 != 0.
    const auto firstNonZero = number.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        return 0;
    }
    const auto lastNonZero = number.digits.find_last_not_of('0');
    const std::string_view significant =
        std::string_view(number.digits).substr(firstNonZero, lastNonZero - firstNonZero + 1);
    const std::int64_t scale =
        number.pointPos - static_cast<std::int64_t>(firstNonZero) + number.exponent;

    // 0.d1... x 10^6 is at least 100000: no rounding can bring it into range.
    if (scale > 5) {
        throw OverflowError("number is outside -32768 to 32767");
    }

    std::int64_t magnitude = 0;
    for (std::int64_t i = 0; i < scale; ++i) {
        const auto index = static_cast<std::size_t>(i);
        magnitude = magnitude * 10 + (index < significant.size() ? significant[index] - '0' : 0);
    }

    // The fraction starts at digit index `scale` (for a negative scale, after
    // -scale implied zeros, so it is below one half).
    if (scale >= 0 && static_cast<std::size_t>(scale) < significant.size()) {
        const auto index = static_cast<std::size_t>(scale);
        const char first = significant[index];
        const bool moreAfterFirst = index + 1 < significant.size(); // trailing zeros were cut
        const bool roundUp =
            first > '5' || (first == '5' && (moreAfterFirst || magnitude % 2 != 0));
        if (roundUp) {
            ++magnitude;
        }
    }

    return toSmallInt(number.negative ? -magnitude : magnitude);
}

} // namespace skarvel
