#pragma once

#include <string>
#include <utility>
#include <vector>

namespace skarvel {

// A program to start: its exact path and fixed arguments, handed over as they stand,
// never read by a shell.
struct ToolCommand {
    // A path alone is a command without arguments.
    ToolCommand(std::string programPath, std::vector<std::string> programArguments = {})
        : path(std::move(programPath))
        , arguments(std::move(programArguments)) {}

    bool operator==(const ToolCommand&) const = default;

    std::string path;
    std::vector<std::string> arguments;
};

} // namespace skarvel
