#pragma once

#include "SysInfoLauncher.h"

#include <memory>

namespace skarvel {

class MessageDisplay;

// The launcher for the platform this was built for, with its real system layers:
// the registry lookup on Windows, the PATH search for a known viewer elsewhere.
// The message box is the caller's, as it belongs to the user interface.
class PlatformSysInfoLauncher : public SysInfoLauncher {
public:
    explicit PlatformSysInfoLauncher(MessageDisplay& messageDisplay);
    ~PlatformSysInfoLauncher() override;
    PlatformSysInfoLauncher(const PlatformSysInfoLauncher&) = delete;
    PlatformSysInfoLauncher& operator=(const PlatformSysInfoLauncher&) = delete;

    void StartSysInfo() override;

private:
    std::unique_ptr<SysInfoLauncher> launcher;
};

} // namespace skarvel
