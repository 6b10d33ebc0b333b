#include "WindowsProgramStarter.h"

#include "StartError.h"

#include <vector>
#include <windows.h>

namespace skarvel {

void WindowsProgramStarter::start(const ToolCommand& command) {
    const std::string& path = command.path;
    // Quotes cannot occur in a file name; a zero byte would shorten the path. The tool
    // found through the registry takes no arguments, so none are handed over.
    if (path.empty() || path.find('\0') != std::string::npos ||
        path.find('"') != std::string::npos) {
        throw StartError(path, ERROR_INVALID_NAME);
    }
    if (!command.arguments.empty()) {
        throw StartError(path, ERROR_INVALID_PARAMETER);
    }
    // The program's own argument zero, quoted; CreateProcessA may write to this buffer.
    const std::string line = "\"" + path + "\"";
    std::vector<char> commandLine(line.begin(), line.end());
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
