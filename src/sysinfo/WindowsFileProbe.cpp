#include "WindowsFileProbe.h"

#include <windows.h>

namespace skarvel {

bool WindowsFileProbe::isOrdinaryFile(const std::string& path) const {
    // A zero byte would make the system test a shorter path than the one given.
    if (path.empty() || path.find('\0') != std::string::npos) {
        return false;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    constexpr DWORD excluded =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & excluded) == 0;
}

} // namespace skarvel
