#include "WindowsProgramStarter.h"

#include "StartError.h"

#include <vector>
#include <windows.h>

namespace skarvel {

void WindowsProgramStarter::start(const std::string& path) {
    // Quotes cannot occur in a file name; a zero byte would shorten the path.
    if (path.empty() || path.find('\0') != std::string::npos ||
        path.find('"') != std::string::npos) {
        throw StartError(path, ERROR_INVALID_NAME);
    }
    // The program's own argument zero, quoted; CreateProcessA may write to this buffer.
    const std::string quoted = "\"" + path + "\"";
    std::vector<char> commandLine(quoted.begin(), quoted.end());
    commandLine.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        throw StartError(path, static_cast<long>(GetLastError()));
    }
    // Not waited for: the tool runs on its own.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace skarvel
