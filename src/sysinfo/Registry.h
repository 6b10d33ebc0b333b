#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace skarvel {

// A predefined root key, by its 32-bit handle value.
enum class RegistryRoot : std::uint32_t {
    LocalMachine = 0x80000002,
};

// A key opened by Registry::openKey; meaningful only to the registry that issued it.
enum class RegistryKey : std::uintptr_t {};

// Result of a registry call. Only Success means success; any other value, named
// here or not, is a failure.
enum class RegistryResult : std::int32_t {
    Success = 0,
    FileNotFound = 2,
    AccessDenied = 5,
    InvalidHandle = 6,
    MoreData = 234,
};

// Type of a stored value. Values other than the named ones may arrive and are
// passed through untouched.
enum class RegistryValueType : std::uint32_t {
    None = 0,
    String = 1,
    ExpandString = 2,
    Binary = 3,
    Dword = 4,
    DwordBigEndian = 5,
    MultiString = 7,
    Qword = 11,
};

// Read-only access right set: read control, query value, enumerate subkeys, notify.
inline constexpr std::uint32_t registryReadAccess = 0x20019;

// Read access to the system registry, injected so that every outcome can be scripted.
class Registry {
public:
    virtual ~Registry() = default;

    // On Success, key holds an open key that must be passed to closeKey once.
    virtual RegistryResult openKey(RegistryRoot root, const std::string& keyName,
                                   std::uint32_t options, std::uint32_t accessMask,
                                   RegistryKey& key) = 0;

    // size holds data.size() on entry. On Success, type and size describe the
    // value and its first size bytes are in data; a size larger than data.size()
    // is a report the caller must not trust.
    virtual RegistryResult queryValue(RegistryKey key, const std::string& valueName,
                                      RegistryValueType& type, std::span<char> data,
                                      std::uint32_t& size) = 0;

    virtual void closeKey(RegistryKey key) noexcept = 0;
};

} // namespace skarvel
