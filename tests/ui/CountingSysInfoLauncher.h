#pragma once

#include "SysInfoLauncher.h"

namespace skarvel {

// Stands in for the platform launcher: counts the presses that reach it.
class CountingSysInfoLauncher final : public SysInfoLauncher {
public:
    void StartSysInfo() override { ++starts; }

    int starts = 0;
};

} // namespace skarvel
