#include "WindowsRegistry.h"

#include <algorithm>
#include <windows.h>

namespace skarvel {
namespace {

// Predefined keys are 32-bit values sign-extended into a handle.
HKEY rootHandle(RegistryRoot root) {
    const auto value = static_cast<LONG>(static_cast<std::uint32_t>(root));
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(value));
}

HKEY keyHandle(RegistryKey key) {
    return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(key));
}

} // namespace

RegistryResult WindowsRegistry::openKey(RegistryRoot root, const std::string& keyName,
                                        std::uint32_t options, std::uint32_t accessMask,
                                        RegistryKey& key) {
    HKEY opened = nullptr;
    const LONG result =
        RegOpenKeyExA(rootHandle(root), keyName.c_str(), options, accessMask, &opened);
    key = RegistryKey{reinterpret_cast<std::uintptr_t>(opened)};
    return static_cast<RegistryResult>(result);
}

RegistryResult WindowsRegistry::queryValue(RegistryKey key, const std::string& valueName,
                                           RegistryValueType& type, std::span<char> data,
                                           std::uint32_t& size) {
    DWORD valueType = 0;
    // Never offer more room than the caller's span really has.
    DWORD byteCount = static_cast<DWORD>(std::min<std::size_t>(size, data.size()));
    const LONG result = RegQueryValueExA(keyHandle(key), valueName.c_str(), nullptr, &valueType,
                                         reinterpret_cast<BYTE*>(data.data()), &byteCount);
    type = static_cast<RegistryValueType>(valueType);
    size = byteCount;
    return static_cast<RegistryResult>(result);
}

void WindowsRegistry::closeKey(RegistryKey key) noexcept {
    RegCloseKey(keyHandle(key));
}

} // namespace skarvel
