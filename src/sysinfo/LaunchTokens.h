#pragma once

#include <string>
#include <vector>

namespace skarvel {

// The start-up token the desktop expects from a program that starts another, so that
// the started program's window may come to the front.
class LaunchTokens {
public:
    virtual ~LaunchTokens() = default;

    // Environment entries, "NAME=value", for one program started now; empty when the
    // desktop has none to give.
    virtual std::vector<std::string> environmentForStart() = 0;
};

} // namespace skarvel
