// The attack pass over field texts, list selections (none included), creature rows and
// draws that the fuzz input chooses, compared with the independent reference that the
// core's property test uses. The input is read as a stream of random bits that drives
// the same text generator, so every mutation changes a choice, not a seed.

#include "AttackReference.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>
#include <random>
#include <sstream>

namespace {

using skarvel::test::chance;
using skarvel::test::describe;
using skarvel::test::Outcome;
using skarvel::test::PassCase;
using skarvel::test::pick;
using skarvel::test::randomDraw;
using skarvel::test::randomNumberText;

// A uniform random bit generator that hands out the fuzz input, then a fixed sequence
// once the input is spent (a constant would make the distributions' rejection loops
// spin for ever).
class InputBits {
public:
    using result_type = std::uint32_t;
    explicit InputBits(FuzzedDataProvider& provider)
        : input(provider) {}
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }
    result_type operator()() {
        if (input.remaining_bytes() >= sizeof(result_type)) {
            return input.ConsumeIntegral<result_type>();
        }
        return static_cast<result_type>(spent());
    }

private:
    FuzzedDataProvider& input;
    std::minstd_rand spent;
};

std::optional<std::int32_t> listData(InputBits& bits, FuzzedDataProvider& in,
                                     const std::vector<std::int32_t>& entries) {
    switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
        return std::nullopt; // typed text: no entry selected
    case 1:
        return in.ConsumeIntegral<std::int32_t>();
    default:
        return pick(bits, entries);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    InputBits bits(in);

    PassCase c;
    c.basis = listData(bits, in, {0, 1, 2});
    c.die = listData(bits, in, {4, 6, 8, 10, 12, 20, 100});
    c.index = in.ConsumeIntegralInRange(0, 7);
    c.bonus = randomNumberText(bits, in.ConsumeBool());
    for (auto& ac : c.armourClass) {
        ac = randomNumberText(bits, chance(bits, 0.3));
    }
    c.r = in.ConsumeBool()
              ? randomDraw(bits, c.die.value_or(20))
              : static_cast<float>(in.ConsumeIntegralInRange<std::uint32_t>(0, (1U << 24) - 1)) /
                    16777216.0f;
    c.before.caption = in.ConsumeBool() ? "0" : "old";
    for (bool& marker : c.before.markers) {
        marker = in.ConsumeBool();
    }

    const Outcome expected = skarvel::test::reference(c);
    const Outcome actual = skarvel::test::runPass(c);
    if (!(actual == expected)) {
        std::ostringstream report;
        report << describe(c) << "\n  expected " << expected << "\n  actual   " << actual;
        std::fprintf(stderr, "attack pass differs from the reference:\n%s\n", report.str().c_str());
        std::abort();
    }
    return 0;
}
