#pragma once

#include "SmallInt.h"

#include <cstdint>
#include <optional>
#include <string>

namespace skarvel {

// What the attack pass needs of the main window, and nothing more. Rows are 0..7.
class AttackView {
public:
    virtual ~AttackView() = default;

    // Item data of the selected entry of the hit-calculation list; nullopt when the
    // user's typing left no entry selected.
    virtual std::optional<std::int32_t> selectedHitBasis() const = 0;
    // Item data of the selected entry of the die list; nullopt likewise.
    virtual std::optional<std::int32_t> selectedDieSize() const = 0;
    virtual std::string bonusText(SmallInt creatureRow) const = 0;
    virtual std::string armourClassText(SmallInt characterRow) const = 0;
    virtual void setRollCaption(const std::string& caption) = 0;
    virtual void setHitMarkerVisible(SmallInt characterRow, bool visible) = 0;
};

} // namespace skarvel
