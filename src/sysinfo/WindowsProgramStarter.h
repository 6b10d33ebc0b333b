#pragma once

#include "ProgramStarter.h"

namespace skarvel {

// Starts a program with CreateProcessA, naming the file itself as the module to
// run so that the system never searches or splits the path. A command with
// arguments is refused: nothing on Windows passes any.
class WindowsProgramStarter : public ProgramStarter {
public:
    void start(const ToolCommand& command) override;
};

} // namespace skarvel
