#pragma once

#include <string_view>

namespace skarvel {

class MessageDisplay;
class ProgramStarter;
class ToolLocator;

// The one message every failure to reach the system-information tool ends in.
inline constexpr std::string_view sysInfoUnavailableText =
    "System Information Is Unavailable At This Time";

// Starts the platform's system-information tool, or tells the user it is unavailable.
class SysInfoLauncher {
public:
    SysInfoLauncher(ToolLocator& toolLocator, ProgramStarter& programStarter,
                    MessageDisplay& messageDisplay);

    // Finds the tool and starts it. Nothing found, a failed start and every other error
    // end in the message, shown before returning, with the application title as caption;
    // there is no second try. Never throws, not even when the message box fails.
    void StartSysInfo() noexcept;

private:
    ToolLocator& locator;
    ProgramStarter& starter;
    MessageDisplay& messages;
};

} // namespace skarvel
