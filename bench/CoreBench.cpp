#include "AttackPass.h"
#include "AttackView.h"
#include "DefaultUniformSource.h"
#include "TextToNumber.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <optional>
#include <string>

namespace skarvel {
namespace {

// A window held in plain memory, as cheap as a view can be, so that the figure is
// the core's own cost.
class MemoryAttackView final : public AttackView {
public:
    std::array<std::string, 8> bonus{"4", "17", "+2", "", "-1", "3 claws", "19", "0"};
    std::array<std::string, 8> armourClass{"5", "-2", "10", "", "3", "7.5", "0", "12"};
    std::string caption;
    std::array<bool, 8> marker{};

    std::optional<std::int32_t> selectedHitBasis() const override { return 1; }
    std::optional<std::int32_t> selectedDieSize() const override { return 20; }
    std::string bonusText(SmallInt row) const override {
        return bonus[static_cast<std::size_t>(row)];
    }
    std::string armourClassText(SmallInt row) const override {
        return armourClass[static_cast<std::size_t>(row)];
    }
    void setRollCaption(const std::string& text) override { caption = text; }
    void setHitMarkerVisible(SmallInt row, bool visible) override {
        marker[static_cast<std::size_t>(row)] = visible;
    }
};

void attackPass(benchmark::State& state) {
    MemoryAttackView view;
    DefaultUniformSource source;
    AttackPass pass(view, source);
    for (auto _ : state) {
        pass.performAttack(5);
        benchmark::DoNotOptimize(view.marker);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(attackPass);

void textToNumber(benchmark::State& state, const char* text) {
    const std::string field = text;
    for (auto _ : state) {
        benchmark::DoNotOptimize(textToSmallInt(field));
    }
}
BENCHMARK_CAPTURE(textToNumber, typical, "17");
BENCHMARK_CAPTURE(textToNumber, halfWithWords, " -2.5 orcs");
BENCHMARK_CAPTURE(textToNumber, exponent, "3.2767e4");

} // namespace
} // namespace skarvel

BENCHMARK_MAIN();
