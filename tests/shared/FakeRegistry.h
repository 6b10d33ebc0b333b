#pragma once

#include "Registry.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace skarvel::test {

// One scripted value: what the query answers and which bytes it delivers.
struct FakeValue {
    RegistryValueType type = RegistryValueType::String;
    std::string data;
    // The size the query reports; by default the data's own length.
    std::optional<std::uint32_t> reportedSize = std::nullopt;
    // A result other than Success is returned as it stands, with nothing delivered.
    RegistryResult result = RegistryResult::Success;
};

// A registry whose every outcome is scripted, and which records each call so that
// tests can prove what was opened, with which rights, and that all of it was closed.
class FakeRegistry : public Registry {
public:
    struct OpenCall {
        RegistryRoot root;
        std::string keyName;
        std::uint32_t options;
        std::uint32_t accessMask;
    };

    // A key that opens with the given result; keys never added are missing.
    void addKey(const std::string& keyName, RegistryResult openResult = RegistryResult::Success);
    // Adds the key too, if it is not there yet.
    void setValue(const std::string& keyName, const std::string& valueName, FakeValue value);

    RegistryResult openKey(RegistryRoot root, const std::string& keyName, std::uint32_t options,
                           std::uint32_t accessMask, RegistryKey& key) override;
    RegistryResult queryValue(RegistryKey key, const std::string& valueName,
                              RegistryValueType& type, std::span<char> data,
                              std::uint32_t& size) override;
    void closeKey(RegistryKey key) noexcept override;

    const std::vector<OpenCall>& opens() const { return openCalls; }
    std::vector<std::string> openedKeyNames() const;
    std::size_t stillOpen() const { return openHandles.size(); }
    std::size_t closes() const { return closeCount; }
    // Closes of handles that were not open, and queries on them.
    std::size_t misuses() const { return misuseCount; }

private:
    struct Key {
        RegistryResult openResult = RegistryResult::Success;
        std::map<std::string, FakeValue> values;
    };

    std::map<std::string, Key> keys;
    std::map<std::uintptr_t, std::string> openHandles;
    std::uintptr_t nextHandle = 0x100;
    std::vector<OpenCall> openCalls;
    std::size_t closeCount = 0;
    std::size_t misuseCount = 0;
};

} // namespace skarvel::test
