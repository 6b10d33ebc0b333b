#pragma once

#include "ToolCommand.h"

#include <optional>

namespace skarvel {

// Finds the platform's system-information tool.
class ToolLocator {
public:
    virtual ~ToolLocator() = default;

    // The program to start, or nothing when no tool is known. Asked afresh at every
    // press; may throw, which the launcher treats like nothing found.
    virtual std::optional<ToolCommand> locate() = 0;
};

} // namespace skarvel
