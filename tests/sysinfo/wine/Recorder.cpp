// Stands in for the system-information tool: appends the path of its own program
// file and the command line it was given to C:\skarvel-recorder.log, then ends.
#include <cstdio>
#include <windows.h>

int main() {
    char self[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return 1;
    }
    std::FILE* log = std::fopen("C:\\skarvel-recorder.log", "a");
    if (log == nullptr) {
        return 1;
    }
    std::fprintf(log, "%s|%s\n", self, GetCommandLineA());
    std::fclose(log);
    return 0;
}
