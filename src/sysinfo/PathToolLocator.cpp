#include "PathToolLocator.h"

#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace skarvel {
namespace {

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

std::vector<std::string_view> absoluteFolders(std::string_view pathList) {
    std::vector<std::string_view> folders;
    while (true) {
        const std::size_t colon = pathList.find(':');
        const std::string_view folder = pathList.substr(0, colon);
        if (!folder.empty() && folder.front() == '/') {
            folders.push_back(folder);
        }
        if (colon == std::string_view::npos) {
            return folders;
        }
        pathList.remove_prefix(colon + 1);
    }
}

} // namespace

PathToolLocator::PathToolLocator(std::function<std::optional<std::string>()> pathSource,
                                 std::vector<std::string> programNames,
                                 std::vector<ToolCommand> fixedCommands)
    : readPath(std::move(pathSource))
    , names(std::move(programNames))
    , fixed(std::move(fixedCommands)) {}

std::optional<ToolCommand> PathToolLocator::locate() {
    const std::optional<std::string> pathList = readPath();
    const std::vector<std::string_view> folders =
        pathList ? absoluteFolders(*pathList) : std::vector<std::string_view>{};
    for (const std::string& name : names) {
        if (name.empty() || name.find('/') != std::string::npos) {
            continue;
        }
        for (const std::string_view folder : folders) {
            std::string candidate(folder);
            if (candidate.back() != '/') {
                candidate += '/';
            }
            candidate += name;
            if (isExecutableFile(candidate)) {
                return candidate;
            }
        }
    }
    for (const ToolCommand& command : fixed) {
        if (!command.path.empty() && command.path.front() == '/' &&
            isExecutableFile(command.path)) {
            return command;
        }
    }
    return std::nullopt;
}

} // namespace skarvel
