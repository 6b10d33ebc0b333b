// Any bytes given to textToSmallInt must yield either a small integer or OverflowError,
// and exactly the result of the reference, which is written independently of the core:
// a longest-match recogniser for the number grammar below, then the tests' exact
// decimal rounding of the digits it found.

#include "OverflowError.h"
#include "RandomNumberText.h"
#include "TextToNumber.h"

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

// The reference conversion: nullopt stands for the overflow error.
std::optional<std::int64_t> referenceValue(std::string_view text) {
    const Spelling spelling = recognise(text);
    const auto part = [text](std::size_t begin, std::size_t end) {
        return std::string(text.substr(begin, end - begin));
    };
    skarvel::test::NumberText number;
    number.negative = spelling.negative;
    const std::string fraction = part(spelling.fractionBegin, spelling.fractionEnd);
    number.digits = part(spelling.integerBegin, spelling.integerEnd) + fraction;
    number.places = static_cast<std::int64_t>(fraction.size());
    number.exponentNegative = spelling.exponentNegative;
    number.exponentDigits = part(spelling.exponentBegin, spelling.exponentEnd);
    return skarvel::test::referenceValue(number);
}

std::string describe(const std::optional<std::int64_t>& result) {
    return result ? std::to_string(*result) : std::string("overflow");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The view reads the fuzzer's own exact-size buffer, so any read past the end of
    // the text is caught by AddressSanitizer.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int64_t> expected = referenceValue(text);

    std::optional<std::int64_t> actual;
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
