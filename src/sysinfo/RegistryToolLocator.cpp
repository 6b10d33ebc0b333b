#include "RegistryToolLocator.h"

#include "FileProbe.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace skarvel {
namespace {

// Closes the key on every way out of the reader, the invalid-argument error included.
class OpenKey {
public:
    OpenKey(Registry& owner, RegistryKey openedKey)
        : registry(owner)
        , key(openedKey) {}
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() { registry.closeKey(key); }

private:
    Registry& registry;
    RegistryKey key;
};

std::uint32_t littleEndianDword(std::string_view bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) {
        value = (value << 8U) | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

} // namespace

RegistryToolLocator::RegistryToolLocator(Registry& registryAccess, FileProbe& fileProbe)
    : registry(registryAccess)
    , files(fileProbe) {}

std::optional<ToolCommand> RegistryToolLocator::locate() {
    // One variable for both readings: a failed first reading leaves it empty.
    std::string path;
    if (GetKeyValue(RegistryRoot::LocalMachine, std::string(pathKey), std::string(pathValue),
                    path)) {
        return path;
    }
    if (!GetKeyValue(RegistryRoot::LocalMachine, std::string(folderKey), std::string(folderValue),
                     path)) {
        return std::nullopt;
    }
    // Appended unchanged: a folder ending in a backslash gives a doubled one.
    path += programFileSuffix;
    if (!files.isOrdinaryFile(path)) {
        return std::nullopt;
    }
    return path;
}

bool RegistryToolLocator::GetKeyValue(RegistryRoot KeyRoot, const std::string& KeyName,
                                      const std::string& SubKeyRef, std::string& KeyVal) {
    RegistryKey key{};
    if (registry.openKey(KeyRoot, KeyName, 0, registryReadAccess, key) != RegistryResult::Success) {
        KeyVal.clear();
        return false;
    }
    const OpenKey closer(registry, key);

    std::array<char, readBufferSize> buffer{};
    auto size = static_cast<std::uint32_t>(buffer.size());
    RegistryValueType type = RegistryValueType::None;
    if (registry.queryValue(key, SubKeyRef, type, buffer, size) != RegistryResult::Success ||
        size > buffer.size()) {
        // A size past the buffer cannot be honoured; a shortened path could name
        // another program, so such a value is unreadable, like a missing one.
        KeyVal.clear();
        return false;
    }
    if (size == 0) {
        throw std::invalid_argument("registry value \"" + SubKeyRef + "\" reports no data");
    }

    const std::string_view data(buffer.data(), size);
    switch (type) {
    case RegistryValueType::String: {
        // Text stored with its terminating zero loses exactly that zero.
        std::string_view text = data;
        if (text.back() == '\0') {
            text.remove_suffix(1);
        }
        KeyVal = text;
        break;
    }
    case RegistryValueType::Dword:
        // Read as from the zero-filled buffer whatever the size: a short number has
        // zeros above its bytes, a long one counts by its first four.
        KeyVal = std::to_string(littleEndianDword(data.substr(0, sizeof(std::uint32_t))));
        break;
    default:
        // Read but not converted; the caller's text stays as it was.
        break;
    }
    return true;
}

} // namespace skarvel
