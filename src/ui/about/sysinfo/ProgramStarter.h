#pragma once

#include <string>

namespace skarvel {

// Starts another program as a process of its own and does not wait for it.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Runs exactly the file at path, with no arguments, in a normal window that
    // takes the focus. Never splits the path at blanks and never uses a shell.
    // Throws StartError when the program cannot be started.
    virtual void start(const std::string& path) = 0;
};

} // namespace skarvel
