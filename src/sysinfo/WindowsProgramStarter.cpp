#include "WindowsProgramStarter.h"

#include "StartError.h"

#include <vector>
#include <windows.h>

namespace skarvel {
namespace {

// One argument as the C runtime's command-line parser reads it back: quoted, with a
// quote escaped by a backslash and the backslashes before a quote (or before the
// closing quote) doubled.
std::string quotedArgument(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0; // in the run just copied
    for (const char c : argument) {
        if (c == '"') {
            quoted.append(backslashes + 1, '\\');
        }
        backslashes = c == '\\' ? backslashes + 1 : 0;
        quoted += c;
    }
    quoted.append(backslashes, '\\');
    return quoted + "\"";
}

} // namespace

void WindowsProgramStarter::start(const ToolCommand& command) {
    const std::string& path = command.path;
    // Quotes cannot occur in a file name; a zero byte would shorten the path or an
    // argument.
    if (path.empty() || path.find('\0') != std::string::npos ||
        path.find('"') != std::string::npos) {
        throw StartError(path, ERROR_INVALID_NAME);
    }
    // The program's own argument zero, quoted, then the arguments; CreateProcessA may
    // write to this buffer.
    std::string line = "\"" + path + "\"";
    for (const std::string& argument : command.arguments) {
        if (argument.find('\0') != std::string::npos) {
            throw StartError(path, ERROR_INVALID_PARAMETER);
        }
        line += " " + quotedArgument(argument);
    }
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
