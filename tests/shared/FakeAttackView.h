#pragma once

#include "AttackView.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skarvel::test {

// An in-memory main window that logs every call the attack pass makes, in order,
// so that tests and fuzz targets can check what was read and what was changed.
// Rows outside 0..7 throw std::out_of_range rather than touching memory.
class FakeAttackView : public AttackView {
public:
    std::optional<std::int32_t> hitBasis = 1;
    std::optional<std::int32_t> dieSize = 20;
    std::array<std::string, 8> bonus;
    std::array<std::string, 8> armourClass;

    std::string rollCaption;
    // Markers start shown, as in the window at start-up.
    std::array<bool, 8> markerVisible{true, true, true, true, true, true, true, true};

    // One entry per call, e.g. "bonusText(2)" or "setHitMarkerVisible(0, shown)".
    mutable std::vector<std::string> calls;

    std::optional<std::int32_t> selectedHitBasis() const override {
        calls.emplace_back("selectedHitBasis");
        return hitBasis;
    }
    std::optional<std::int32_t> selectedDieSize() const override {
        calls.emplace_back("selectedDieSize");
        return dieSize;
    }
    std::string bonusText(SmallInt creatureRow) const override {
        calls.push_back("bonusText(" + std::to_string(creatureRow) + ")");
        return bonus.at(index(creatureRow));
    }
    std::string armourClassText(SmallInt characterRow) const override {
        calls.push_back("armourClassText(" + std::to_string(characterRow) + ")");
        return armourClass.at(index(characterRow));
    }
    void setRollCaption(const std::string& caption) override {
        calls.push_back("setRollCaption(" + caption + ")");
        rollCaption = caption;
    }
    void setHitMarkerVisible(SmallInt characterRow, bool visible) override {
        calls.push_back("setHitMarkerVisible(" + std::to_string(characterRow) +
                        (visible ? ", shown)" : ", hidden)"));
        markerVisible.at(index(characterRow)) = visible;
    }

private:
    // A negative row becomes a huge index, which at() rejects.
    static std::size_t index(SmallInt row) { return static_cast<std::size_t>(row); }
};

} // namespace skarvel::test
