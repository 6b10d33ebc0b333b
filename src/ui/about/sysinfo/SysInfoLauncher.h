#pragma once

#include <string_view>

namespace skarvel {

class MessageDisplay;

// The one message every failure to reach the system-information tool ends in.
inline constexpr std::string_view sysInfoUnavailableText =
    "System Information Is Unavailable At This Time";

// Starts the platform's system-information tool, or tells the user it is unavailable.
class SysInfoLauncher {
public:
    virtual ~SysInfoLauncher() = default;

    // Never throws: every failure ends in the message, shown before returning.
    virtual void StartSysInfo() = 0;
};

// Shows the unavailable message with the application title as caption. A failure
// of the message box itself is swallowed: there is no one left to tell.
void showSysInfoUnavailable(MessageDisplay& messages) noexcept;

} // namespace skarvel
