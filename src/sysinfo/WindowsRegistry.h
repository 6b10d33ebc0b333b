#pragma once

#include "Registry.h"

namespace skarvel {

// The system registry through the ANSI entry points of advapi32.
class WindowsRegistry : public Registry {
public:
    RegistryResult openKey(RegistryRoot root, const std::string& keyName, std::uint32_t options,
                           std::uint32_t accessMask, RegistryKey& key) override;
    RegistryResult queryValue(RegistryKey key, const std::string& valueName,
                              RegistryValueType& type, std::span<char> data,
                              std::uint32_t& size) override;
    void closeKey(RegistryKey key) noexcept override;
};

} // namespace skarvel
