#pragma once

#include <optional>
#include <string>

namespace skarvel {

// Finds the platform's system-information tool.
class ToolLocator {
public:
    virtual ~ToolLocator() = default;

    // The path of the program to start, or nothing when no tool is known. Asked afresh
    // at every press; may throw, which the launcher treats like nothing found.
    virtual std::optional<std::string> locate() = 0;
};

} // namespace skarvel
