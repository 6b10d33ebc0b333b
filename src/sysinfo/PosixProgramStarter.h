#pragma once

#include "ProgramStarter.h"

namespace skarvel {

class LaunchTokens;

// Starts a program by its exact path with execve, detached in a session of its own.
// A short-lived middle process is reaped at once, so the started program is never
// this process's child and leaves no zombie behind, whatever the application does
// with SIGCHLD. The program gets this process's environment without the start-up
// tokens this process was given (they were spent on its own window), plus fresh ones.
class PosixProgramStarter : public ProgramStarter {
public:
    // tokens, if given, supplies the desktop's start-up token for each start and must
    // outlive the starter.
    explicit PosixProgramStarter(LaunchTokens* tokens = nullptr);

    void start(const ToolCommand& command) override;

private:
    LaunchTokens* launchTokens;
};

} // namespace skarvel
