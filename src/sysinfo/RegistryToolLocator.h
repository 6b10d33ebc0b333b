#pragma once

#include "Registry.h"
#include "ToolLocator.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace skarvel {

class FileProbe;

// Finds the system-information tool through the two registry locations.
class RegistryToolLocator : public ToolLocator {
public:
    static constexpr std::string_view pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr std::string_view pathValue = "PATH";
    static constexpr std::string_view folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    static constexpr std::string_view folderValue = "MSINFO";
    static constexpr std::string_view programFileSuffix = "\\MSINFO32.EXE";
    static constexpr std::size_t readBufferSize = 1024;

    RegistryToolLocator(Registry& registryAccess, FileProbe& fileProbe);

    // First the full path, returned unchecked; else the folder plus the file name, only
    // if that file exists; else nothing. Throws what GetKeyValue throws.
    std::optional<ToolCommand> locate() override;

    // Reads one value as text. False, with KeyVal emptied, when the key cannot be
    // opened or the value cannot be read (missing, or longer than the buffer). True
    // otherwise: text values and numbers (the unsigned decimal of the buffer's first
    // four bytes) replace KeyVal, other types leave it as passed. Throws
    // std::invalid_argument for a reported size of 0, after closing the key.
    bool GetKeyValue(RegistryRoot KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

private:
    Registry& registry;
    FileProbe& files;
};

} // namespace skarvel
