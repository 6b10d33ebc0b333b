#include "FakeRegistry.h"

#include <algorithm>

namespace skarvel::test {

void FakeRegistry::addKey(const std::string& keyName, RegistryResult openResult) {
    keys[keyName].openResult = openResult;
}

void FakeRegistry::setValue(const std::string& keyName, const std::string& valueName,
                            FakeValue value) {
    keys[keyName].values[valueName] = std::move(value);
}

RegistryResult FakeRegistry::openKey(RegistryRoot root, const std::string& keyName,
                                     std::uint32_t options, std::uint32_t accessMask,
                                     RegistryKey& key) {
    openCalls.push_back({root, keyName, options, accessMask});
    key = RegistryKey{};
    const auto found = keys.find(keyName);
    if (root != RegistryRoot::LocalMachine || found == keys.end()) {
        return RegistryResult::FileNotFound;
    }
    if (found->second.openResult != RegistryResult::Success) {
        return found->second.openResult;
    }
    const std::uintptr_t handle = nextHandle++;
    openHandles.emplace(handle, keyName);
    key = RegistryKey{handle};
    return RegistryResult::Success;
}

RegistryResult FakeRegistry::queryValue(RegistryKey key, const std::string& valueName,
                                        RegistryValueType& type, std::span<char> data,
                                        std::uint32_t& size) {
    const auto handle = openHandles.find(static_cast<std::uintptr_t>(key));
    if (handle == openHandles.end()) {
        ++misuseCount;
        return RegistryResult::InvalidHandle;
    }
    const Key& opened = keys.at(handle->second);
    const auto value = opened.values.find(valueName);
    if (value == opened.values.end()) {
        return RegistryResult::FileNotFound;
    }
    const FakeValue& scripted = value->second;
    if (scripted.result != RegistryResult::Success) {
        return scripted.result;
    }
    type = scripted.type;
    const std::size_t room = std::min<std::size_t>(size, data.size());
    if (!scripted.reportedSize && scripted.data.size() > room) {
        // What a real registry does with data that does not fit.
        size = static_cast<std::uint32_t>(scripted.data.size());
        return RegistryResult::MoreData;
    }
    std::copy_n(scripted.data.begin(), std::min(room, scripted.data.size()), data.begin());
    size = scripted.reportedSize.value_or(static_cast<std::uint32_t>(scripted.data.size()));
    return RegistryResult::Success;
}

void FakeRegistry::closeKey(RegistryKey key) noexcept {
    ++closeCount;
    if (openHandles.erase(static_cast<std::uintptr_t>(key)) == 0) {
        ++misuseCount;
    }
}

std::vector<std::string> FakeRegistry::openedKeyNames() const {
    std::vector<std::string> names;
    for (const OpenCall& call : openCalls) {
        names.push_back(call.keyName);
    }
    return names;
}

} // namespace skarvel::test
