#pragma once

#include "Registry.h"
#include "SysInfoLauncher.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace skarvel {

class FileProbe;
class MessageDisplay;
class ProgramStarter;

// Finds the system-information tool through the two registry locations and starts it.
class RegistrySysInfoLauncher : public SysInfoLauncher {
public:
    static constexpr std::string_view pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr std::string_view pathValue = "PATH";
    static constexpr std::string_view folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    static constexpr std::string_view folderValue = "MSINFO";
    static constexpr std::string_view programFileSuffix = "\\MSINFO32.EXE";
    static constexpr std::size_t readBufferSize = 1024;

    RegistrySysInfoLauncher(Registry& registryAccess, FileProbe& fileProbe,
                            ProgramStarter& programStarter, MessageDisplay& messageDisplay);

    // First the full path, started unchecked; else the folder plus the file name,
    // started only if that file exists; else the message.
    void StartSysInfo() override;

    // Reads one value as text. False, with KeyVal emptied, when the key cannot be
    // opened or the value cannot be read (missing, longer than the buffer, or a
    // number of the wrong length). True otherwise: text values and numbers (as
    // unsigned decimal) replace KeyVal, other types leave it as passed. Throws
    // std::invalid_argument for a reported size of 0, after closing the key.
    bool GetKeyValue(RegistryRoot KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

private:
    // The path to start, or nothing when neither location leads to the tool. The
    // path from the first location is returned unchecked. May throw.
    std::optional<std::string> locateTool();

    Registry& registry;
    FileProbe& files;
    ProgramStarter& starter;
    MessageDisplay& messages;
};

} // namespace skarvel
