// Any bytes given to textToSmallInt must yield either a small integer or OverflowError,
// and exactly the result of the reference below, which is written independently of the
// core: a longest-match recogniser for the number grammar, then exact rounding by
// adding one half in decimal string arithmetic, with a long double cross-check wherever
// long double is provably exact enough to decide the rounding.

#include "OverflowError.h"
#include "TextToNumber.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Offsets into the text of the parts of a number's spelling; an empty range is an
// absent part.
struct Spelling {
    bool accepted = false;
    bool negative = false;
    std::size_t integerBegin = 0;
    std::size_t integerEnd = 0;
    std::size_t fractionBegin = 0;
    std::size_t fractionEnd = 0;
    bool exponentNegative = false;
    std::size_t exponentBegin = 0;
    std::size_t exponentEnd = 0;
};

enum class State {
    Blanks,
    Sign,
    Integer,      // accepting
    LeadingPoint, // a point with no digit before it: not yet a number
    Point,        // accepting ("3.")
    Fraction,     // accepting
    ExponentMark,
    ExponentSign,
    Exponent, // accepting
    Dead,
};

bool isAccepting(State state) {
    return state == State::Integer || state == State::Point || state == State::Fraction ||
           state == State::Exponent;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Runs the automaton for [ \t]*[+-]?(D+(\.D*)?|\.D+)([eE][+-]?D+)? over the whole text
// and keeps the parts as they stood at the last accepting position: the longest prefix
// that spells a number.
Spelling recognise(std::string_view text) {
    Spelling current;
    Spelling longest;
    State state = State::Blanks;
    for (std::size_t i = 0; i < text.size() && state != State::Dead; ++i) {
        const char c = text[i];
        const bool digit = isDigit(c);
        const bool exponentMark = c == 'e' || c == 'E';
        const bool sign = c == '+' || c == '-';
        switch (state) {
        case State::Blanks:
            if (c == ' ' || c == '\t') {
                state = State::Blanks;
            } else if (sign) {
                current.negative = c == '-';
                state = State::Sign;
            } else if (digit) {
                current.integerBegin = i;
                current.integerEnd = i + 1;
                state = State::Integer;
            } else if (c == '.') {
                current.fractionBegin = current.fractionEnd = i + 1;
                state = State::LeadingPoint;
            } else {
                state = State::Dead;
            }
            break;
        case State::Sign:
            if (digit) {
                current.integerBegin = i;
                current.integerEnd = i + 1;
                state = State::Integer;
            } else if (c == '.') {
                current.fractionBegin = current.fractionEnd = i + 1;
                state = State::LeadingPoint;
            } else {
                state = State::Dead;
            }
            break;
        case State::Integer:
            if (digit) {
                current.integerEnd = i + 1;
            } else if (c == '.') {
                current.fractionBegin = current.fractionEnd = i + 1;
                state = State::Point;
            } else if (exponentMark) {
                state = State::ExponentMark;
            } else {
                state = State::Dead;
            }
            break;
        case State::LeadingPoint:
        case State::Point:
        case State::Fraction:
            if (digit) {
                current.fractionEnd = i + 1;
                state = State::Fraction;
            } else if (exponentMark && state != State::LeadingPoint) {
                state = State::ExponentMark;
            } else {
                state = State::Dead;
            }
            break;
        case State::ExponentMark:
            if (sign) {
                current.exponentNegative = c == '-';
                state = State::ExponentSign;
            } else if (digit) {
                current.exponentBegin = i;
                current.exponentEnd = i + 1;
                state = State::Exponent;
            } else {
                state = State::Dead;
            }
            break;
        case State::ExponentSign:
            if (digit) {
                current.exponentBegin = i;
                current.exponentEnd = i + 1;
                state = State::Exponent;
            } else {
                state = State::Dead;
            }
            break;
        case State::Exponent:
            if (digit) {
                current.exponentEnd = i + 1;
            } else {
                state = State::Dead;
            }
            break;
        case State::Dead:
            break;
        }
        if (isAccepting(state)) {
            longest = current;
            longest.accepted = true;
        }
    }
    return longest;
}

[[noreturn]] void fail(std::string_view text, const char* what, const std::string& detail) {
    std::fprintf(stderr, "text-to-number mismatch: %s (%s) for input of %zu bytes:", what,
                 detail.c_str(), text.size());
    // The whole input is in libFuzzer's crash file; the first bytes identify it here.
    constexpr std::size_t shown = 64;
    for (const char c : text.substr(0, shown)) {
        std::fprintf(stderr, " %02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
    }
    std::fprintf(stderr, "%s\n", text.size() > shown ? " ..." : "");
    std::abort();
}

std::string stripLeadingZeros(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string() : std::string(digits.substr(first));
}

// Adds 5 at the given digit position (0 = the leftmost digit) of a decimal digit string,
// growing it on the left when the carry runs out of digits.
std::string addFiveAt(std::string digits, std::size_t position) {
    int carry = 5;
    for (std::size_t i = position + 1; i-- > 0 && carry != 0;) {
        const int sum = (digits[i] - '0') + carry;
        digits[i] = static_cast<char>('0' + sum % 10);
        carry = sum / 10;
    }
    if (carry != 0) {
        digits.insert(digits.begin(), static_cast<char>('0' + carry));
    }
    return digits;
}

long long digitsToInteger(std::string_view digits) {
    long long value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

constexpr long long smallMin = -32768;
constexpr long long smallMax = 32767;

// The reference conversion: nullopt stands for the overflow error.
std::optional<long long> referenceValue(std::string_view text) {
    const Spelling spelling = recognise(text);
    if (!spelling.accepted) {
        return 0;
    }
    const std::string_view integerPart =
        text.substr(spelling.integerBegin, spelling.integerEnd - spelling.integerBegin);
    const std::string_view fractionPart =
        text.substr(spelling.fractionBegin, spelling.fractionEnd - spelling.fractionBegin);
    const std::string_view exponentPart =
        text.substr(spelling.exponentBegin, spelling.exponentEnd - spelling.exponentBegin);

    // The value is significand x 10^scale with a significand free of leading zeros.
    const std::string significand =
        stripLeadingZeros(std::string(integerPart) + std::string(fractionPart));
    if (significand.empty()) {
        return 0;
    }
    const std::string exponentDigits = stripLeadingZeros(exponentPart);
    if (exponentDigits.size() > 12) {
        // At least 10^12: with any input a process can hold, the value is either far
        // above the range or far below one half.
        if (spelling.exponentNegative) {
            return 0;
        }
        return std::nullopt;
    }
    const long long exponent =
        (spelling.exponentNegative ? -1 : 1) * digitsToInteger(exponentDigits);
    const long long scale = exponent - static_cast<long long>(fractionPart.size());

    // Digits before the point: the value lies in [10^(count-1), 10^count).
    const long long integerCount = static_cast<long long>(significand.size()) + scale;
    if (integerCount > 7) {
        return std::nullopt;
    }
    if (integerCount < -1) {
        return 0; // below 0.01
    }

    std::string integerDigits;
    std::string fractionDigits;
    if (scale >= 0) {
        integerDigits = significand + std::string(static_cast<std::size_t>(scale), '0');
    } else if (integerCount > 0) {
        integerDigits = significand.substr(0, static_cast<std::size_t>(integerCount));
        fractionDigits = significand.substr(static_cast<std::size_t>(integerCount));
    } else {
        integerDigits = "0";
        fractionDigits = std::string(static_cast<std::size_t>(-integerCount), '0') + significand;
    }

    // Nearest integer as floor(x + 1/2); a fraction of exactly one half leaves nothing
    // but zeros after the point, and then an odd result steps back to the even one.
    long long magnitude = digitsToInteger(integerDigits);
    if (!fractionDigits.empty()) {
        const std::string fixed = integerDigits + fractionDigits;
        const std::string sum = addFiveAt(fixed, integerDigits.size());
        const std::size_t sumIntegerCount = sum.size() - fractionDigits.size();
        magnitude = digitsToInteger(std::string_view(sum).substr(0, sumIntegerCount));
        const bool tie = sum.find_first_not_of('0', sumIntegerCount) == std::string::npos;
        if (tie && magnitude % 2 != 0) {
            --magnitude;
        }

        // Below 2^17 with at most 14 fraction digits, a value differs from the nearest
        // half-integer by 0 or at least 1e-14, while strtold is off by at most 2^-48;
        // halves are exact. So nearbyintl (ties to even) must agree.
        if (integerDigits.size() <= 5 && fractionDigits.size() <= 14) {
            const std::string decimal = integerDigits + "." + fractionDigits;
            const long double approximate = std::strtold(decimal.c_str(), nullptr);
            const auto rounded = static_cast<long long>(std::nearbyintl(approximate));
            if (rounded != magnitude) {
                fail(text, "the two references disagree",
                     decimal + " -> " + std::to_string(rounded) + " vs " +
                         std::to_string(magnitude));
            }
        }
    }

    const long long value = spelling.negative ? -magnitude : magnitude;
    if (value < smallMin || value > smallMax) {
        return std::nullopt;
    }
    return value;
}

std::string describe(const std::optional<long long>& result) {
    return result ? std::to_string(*result) : std::string("overflow");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The view reads the fuzzer's own exact-size buffer, so any read past the end of
    // the text is caught by AddressSanitizer.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<long long> expected = referenceValue(text);

    std::optional<long long> actual;
    try {
        actual = skarvel::textToSmallInt(text);
    } catch (const skarvel::OverflowError&) {
        actual = std::nullopt;
    }
    if (actual != expected) {
        fail(text, "core and reference differ",
             "core " + describe(actual) + ", reference " + describe(expected));
    }
    return 0;
}
