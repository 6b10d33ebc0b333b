// GetKeyValue against a registry whose every answer comes from the fuzz input: the
// open's result, the query's result, the value's type, the bytes delivered, the size
// reported (true or not) and the text passed in. The reader must stay inside its
// buffer (the sanitizers watch that), close every key it opened exactly once, and
// leave the result and KeyVal that the rules below, stated here on their own, demand.

#include "FakeRegistry.h"
#include "LauncherFakes.h"
#include "RegistryToolLocator.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

using skarvel::RegistryResult;
using skarvel::RegistryRoot;
using skarvel::RegistryValueType;
using skarvel::test::FakeRegistry;
using skarvel::test::FakeValue;

const std::string keyName = "SOFTWARE\\Fuzz";
const std::string valueName = "V";
constexpr std::size_t bufferBytes = 1024;
constexpr std::uint32_t readOnlyRights = 0x20019;

enum class Verdict { True, False, InvalidArgument };

struct Expected {
    Verdict verdict = Verdict::True;
    std::string keyVal;
};

struct Scenario {
    bool keyExists = false;
    std::int32_t openResult = 0;
    bool valueExists = false;
    std::int32_t queryResult = 0;
    std::uint32_t type = 1;
    std::optional<std::uint32_t> reportedSize; // nullopt: the registry tells the truth
    std::string data;
    std::string keyValBefore;
};

std::int32_t resultCode(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0:
    case 1:
        return 0;
    case 2:
        return 2; // not found
    case 3:
        return 234; // more data
    case 4:
        return 5; // access denied
    default:
        return in.ConsumeIntegral<std::int32_t>();
    }
}

Scenario readScenario(FuzzedDataProvider& in) {
    Scenario s;
    s.keyExists = in.ConsumeIntegralInRange(0, 7) != 0;
    s.openResult = in.ConsumeBool() ? 0 : resultCode(in);
    s.valueExists = in.ConsumeIntegralInRange(0, 7) != 0;
    s.queryResult = in.ConsumeBool() ? 0 : resultCode(in);
    constexpr std::uint32_t commonTypes[] = {1, 1, 4, 4, 2, 3, 0, 7, 11};
    const auto typeChoice = in.ConsumeIntegralInRange<std::size_t>(0, std::size(commonTypes));
    s.type = typeChoice < std::size(commonTypes) ? commonTypes[typeChoice]
                                                 : in.ConsumeIntegral<std::uint32_t>();
    switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
    case 1:
        break; // truthful
    case 2:
        s.reportedSize = 0;
        break;
    case 3:
        // 1023, 1024 or 1025: the last bytes that fit, and the first that does not.
        s.reportedSize = static_cast<std::uint32_t>(bufferBytes) - 1U +
                         in.ConsumeIntegralInRange<std::uint32_t>(0, 2);
        break;
    case 4:
        s.reportedSize = in.ConsumeIntegralInRange<std::uint32_t>(0, 8);
        break;
    default:
        s.reportedSize = in.ConsumeIntegral<std::uint32_t>();
        break;
    }
    s.keyValBefore = in.ConsumeRandomLengthString(40);
    s.data = in.ConsumeRemainingBytesAsString();
    return s;
}

// The rules, from the scenario alone. The buffer starts as 1024 zero bytes; the
// registry delivers at most that many of its data bytes into it.
Expected expectedOutcome(const Scenario& s) {
    const Expected unreadable{Verdict::False, ""};
    if (!s.keyExists || s.openResult != 0) {
        return unreadable;
    }
    if (!s.valueExists || s.queryResult != 0) {
        return unreadable;
    }
    if (!s.reportedSize && s.data.size() > bufferBytes) {
        return unreadable; // the registry says the data does not fit
    }
    const std::size_t size = s.reportedSize.value_or(static_cast<std::uint32_t>(s.data.size()));
    if (size > bufferBytes) {
        return unreadable; // a size past the buffer is never trusted
    }
    if (size == 0) {
        return {Verdict::InvalidArgument, s.keyValBefore};
    }
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size && i < s.data.size(); ++i) {
        bytes[i] = s.data[i];
    }
    if (s.type == 1) {
        if (bytes[size - 1] == '\0') {
            bytes.pop_back();
        }
        return {Verdict::True, bytes};
    }
    if (s.type == 4) {
        // The buffer's first four bytes, whatever the size: zeros past the value's end.
        unsigned long long number = 0;
        for (std::size_t i = 0; i < 4 && i < size; ++i) {
            number += static_cast<unsigned long long>(static_cast<unsigned char>(bytes[i]))
                      << (8 * i);
        }
        return {Verdict::True, std::to_string(number)};
    }
    return {Verdict::True, s.keyValBefore};
}

[[noreturn]] void fail(const char* what, const std::string& detail = "") {
    std::fprintf(stderr, "GetKeyValue: %s %s\n", what, detail.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Scenario s = readScenario(in);

    FakeRegistry registry;
    if (s.keyExists) {
        registry.addKey(keyName, static_cast<RegistryResult>(s.openResult));
    }
    if (s.keyExists && s.valueExists) {
        registry.setValue(keyName, valueName,
                          FakeValue{static_cast<RegistryValueType>(s.type), s.data, s.reportedSize,
                                    static_cast<RegistryResult>(s.queryResult)});
    }
    skarvel::test::FakeFileProbe files;
    skarvel::RegistryToolLocator locator(registry, files);

    std::string keyVal = s.keyValBefore;
    Verdict verdict = Verdict::False;
    try {
        verdict = locator.GetKeyValue(RegistryRoot::LocalMachine, keyName, valueName, keyVal)
                      ? Verdict::True
                      : Verdict::False;
    } catch (const std::invalid_argument&) {
        verdict = Verdict::InvalidArgument;
    }

    const Expected expected = expectedOutcome(s);
    if (verdict != expected.verdict) {
        fail("wrong result", std::to_string(static_cast<int>(verdict)) + " instead of " +
                                 std::to_string(static_cast<int>(expected.verdict)));
    }
    if (keyVal != expected.keyVal) {
        fail("wrong KeyVal", "\"" + keyVal + "\" instead of \"" + expected.keyVal + "\"");
    }
    if (registry.opens().size() != 1) {
        fail("opened the key more or less than once");
    }
    const auto& open = registry.opens().front();
    if (open.root != RegistryRoot::LocalMachine || open.keyName != keyName || open.options != 0 ||
        open.accessMask != readOnlyRights) {
        fail("opened with the wrong arguments");
    }
    if (registry.stillOpen() != 0) {
        fail("left a key open");
    }
    if (registry.misuses() != 0) {
        fail("closed or queried a key it did not hold");
    }
    if (!files.asked.empty()) {
        fail("did more than read");
    }
    return 0;
}
