#pragma once

#include "ToolCommand.h"

namespace skarvel {

// Starts another program as a process of its own and does not wait for it.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Runs exactly the file at the command's path, with exactly its arguments, in a
    // normal window that takes the focus. Never splits the path or an argument at
    // blanks and never uses a shell. Throws StartError when the program cannot be
    // started.
    virtual void start(const ToolCommand& command) = 0;
};

} // namespace skarvel
