#pragma once

#include "ProgramStarter.h"

namespace skarvel {

// Starts a program by its exact path with execv, detached in a session of its own.
// A short-lived middle process is reaped at once, so the started program is never
// this process's child and leaves no zombie behind, whatever the application does
// with SIGCHLD.
class PosixProgramStarter : public ProgramStarter {
public:
    void start(const std::string& path) override;
};

} // namespace skarvel
