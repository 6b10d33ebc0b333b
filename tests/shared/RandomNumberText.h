#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

// Field texts written from values chosen first, and the value each should read as,
// worked out in exact decimal digits without any code under test.
namespace skarvel::test {

using Rng = std::mt19937;

// Every choice below takes its random bits from any uniform random bit generator, so
// that a fuzz target can make the choices from its input instead of a seeded engine.
template <typename T, typename Bits>
inline T pick(Bits& rng, const std::vector<T>& choices) {
    return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(rng)];
}

template <typename Bits>
inline bool chance(Bits& rng, double p) {
    return std::bernoulli_distribution(p)(rng);
}

template <typename Bits>
inline std::string randomDigits(Bits& rng, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) {
        digits.push_back(static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(rng)));
    }
    return digits;
}

// A field text and the exact value it was written from: (-1)^negative x digits x
// 10^shift, where shift is exponentDigits (signed) minus the places after the point.
struct NumberText {
    std::string text;
    bool negative = false;
    std::string digits;      // empty: the text holds no number
    std::int64_t places = 0; // digits after the decimal point
    bool exponentNegative = false;
    std::string exponentDigits; // may be far too long for any integer type
};

// A tame text holds a small value that a game master would type; a wild one may hold
// anything: boundary values, long digit strings, large exponents, no number at all.
template <typename Bits>
inline NumberText randomNumberText(Bits& rng, bool wild) {
    NumberText number;
    if (wild && chance(rng, 0.15)) {
        number.text = pick<std::string>(rng, {"", "orcs", "-", "+", ".", "+.", "-.e5", "e5", "&H1F",
                                              "- 3", "+ 3", " x", "\xC2\xBD", "\t"});
        return number;
    }

    // Integer and fraction digits, aimed at the interesting places: small values, the
    // 16-bit boundaries, halves, and long digit strings.
    std::string whole;
    const int kind = wild ? std::uniform_int_distribution<int>(0, 9)(rng) : 0;
    if (kind < 4) {
        whole = std::to_string(std::uniform_int_distribution<int>(0, 40)(rng));
    } else if (kind < 8) {
        whole = std::to_string(std::uniform_int_distribution<int>(32760, 32775)(rng));
    } else {
        whole = randomDigits(rng, std::uniform_int_distribution<int>(1, 25)(rng));
    }
    std::string fraction = pick<std::string>(
        rng, {"", "", "5", "50", "4999", "5001", "25", "75", "0", "49999999999999999999999"});
    if (wild && chance(rng, 0.2)) {
        fraction = randomDigits(rng, std::uniform_int_distribution<int>(1, 6)(rng));
    }
    if (chance(rng, 0.15)) {
        whole.insert(0, chance(rng, 0.8)
                            ? std::string(static_cast<std::size_t>(
                                              std::uniform_int_distribution<int>(1, 3)(rng)),
                                          '0')
                            : std::string(60, '0'));
    }
    number.negative = chance(rng, 0.4);
    std::string digits = whole + fraction;
    std::int64_t places = static_cast<std::int64_t>(fraction.size());

    // Exponent forms: either the same value with the point moved, or any exponent.
    std::int64_t exponent = 0;
    bool hasExponent = false;
    if (chance(rng, 0.25)) {
        hasExponent = true;
        exponent = std::uniform_int_distribution<int>(-4, 4)(rng);
        places += exponent; // the value is unchanged
    } else if (wild && chance(rng, 0.2)) {
        hasExponent = true;
        exponent = pick<std::int64_t>(rng, {-999, -20, -6, -1, 0, 1, 2, 5, 6, 20, 999});
    }
    if (places < 0) {
        digits.append(static_cast<std::size_t>(-places), '0');
        places = 0;
    }
    if (places > static_cast<std::int64_t>(digits.size())) {
        digits.insert(0, static_cast<std::size_t>(places) - digits.size(), '0');
    }

    std::string mantissa = digits;
    if (places > 0) {
        const auto point = digits.size() - static_cast<std::size_t>(places);
        std::string before = digits.substr(0, point);
        if (before.empty() && chance(rng, 0.5)) {
            before = "0";
        }
        mantissa = before + "." + digits.substr(point);
    } else if (chance(rng, 0.1)) {
        mantissa += ".";
    }

    number.digits = digits;
    number.places = places;
    std::string exponentText;
    if (hasExponent) {
        number.exponentNegative = exponent < 0;
        number.exponentDigits = std::to_string(exponent < 0 ? -exponent : exponent);
        if (wild && chance(rng, 0.1)) {
            number.exponentDigits = "1" + std::string(20, '0'); // beyond every integer type
        }
        exponentText = std::string(chance(rng, 0.5) ? "e" : "E") +
                       (number.exponentNegative ? "-" : (chance(rng, 0.3) ? "+" : "")) +
                       number.exponentDigits;
    }

    const std::string sign = number.negative ? "-" : (chance(rng, 0.2) ? "+" : "");
    // Tails that cannot continue the number they follow.
    const std::string tail =
        pick<std::string>(rng, {"", "", "", " orcs", "hp", "x1F", " 1000", ",5", "e", "e+", "E-",
                                "%", "\t", "/2", " 3.5"});
    number.text = pick<std::string>(rng, {"", "", " ", "   ", "\t", " \t "}) + sign + mantissa +
                  exponentText + tail;
    return number;
}

// A uniform draw aimed at the interesting places for an n-sided die: both ends of
// [0, 1), the edges and middles of faces, and exact binary fractions.
template <typename Bits>
inline float randomDraw(Bits& rng, std::int32_t die) {
    switch (std::uniform_int_distribution<int>(0, 5)(rng)) {
    case 0:
        return 0.0f;
    case 1:
        return std::nextafter(1.0f, 0.0f);
    case 2: { // the middle or the very edge of a face
        const int n = die > 0 && die <= 100 ? die : 20;
        const int face = std::uniform_int_distribution<int>(1, n)(rng);
        const float edge = static_cast<float>(face) / static_cast<float>(n);
        return chance(rng, 0.5) ? std::nextafter(edge, 0.0f)
                                : (static_cast<float>(face) - 0.5f) / static_cast<float>(n);
    }
    default: { // k / 2^e with k < 2^24: every such value is an exact float in [0, 1)
        const auto k = std::uniform_int_distribution<std::uint32_t>(0, (1u << 24) - 1)(rng);
        return std::ldexp(static_cast<float>(k), -std::uniform_int_distribution<int>(24, 40)(rng));
    }
    }
}

// The value rounded half to even, or nullopt when it lies outside -32768..32767.
// The fuzz target feeds it the parts of any text it recognises as a number.
inline std::optional<std::int64_t> referenceValue(const NumberText& number) {
    const auto firstNonZero = number.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        return 0;
    }
    const std::string digits = number.digits.substr(firstNonZero);
    const auto length = static_cast<std::int64_t>(digits.size());

    std::int64_t shift = -number.places;
    const auto exponentStart = number.exponentDigits.find_first_not_of('0');
    if (exponentStart != std::string::npos) {
        const std::string exponentDigits = number.exponentDigits.substr(exponentStart);
        if (exponentDigits.size() > 15) {
            // Some 10^(10^15): nonzero digits make the value enormous or vanishing.
            if (number.exponentNegative) {
                return 0;
            }
            return std::nullopt;
        }
        const std::int64_t exponent = std::stoll(exponentDigits);
        shift += number.exponentNegative ? -exponent : exponent;
    }
    if (length + shift < 0) {
        return 0; // below 0.1
    }

    // Split the digits at the shifted point into whole and fraction digits.
    std::string whole;
    std::string fraction;
    if (shift >= 0) {
        if (length + shift > 7) {
            return std::nullopt; // at least 10^7
        }
        whole = digits + std::string(static_cast<std::size_t>(shift), '0');
    } else if (-shift >= length) {
        fraction = std::string(static_cast<std::size_t>(-shift - length), '0') + digits;
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(length + shift));
        fraction = digits.substr(static_cast<std::size_t>(length + shift));
    }
    if (whole.size() > 7) {
        return std::nullopt;
    }
    std::int64_t magnitude = whole.empty() ? 0 : std::stoll(whole);
    if (!fraction.empty()) {
        const bool aboveHalf =
            fraction[0] > '5' ||
            (fraction[0] == '5' && fraction.find_first_not_of('0', 1) != std::string::npos);
        const bool exactlyHalf =
            fraction[0] == '5' && fraction.find_first_not_of('0', 1) == std::string::npos;
        if (aboveHalf || (exactlyHalf && magnitude % 2 == 1)) {
            ++magnitude;
        }
    }
    const std::int64_t value = number.negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return value;
}

} // namespace skarvel::test
