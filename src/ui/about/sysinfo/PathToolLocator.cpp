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
                                 std::vector<std::string> programNames)
    : readPath(std::move(pathSource))
    , names(std::move(programNames)) {}

std::optional<std::string> PathToolLocator::locate() {
    const std::optional<std::string> pathList = readPath();
    if (!pathList) {
        return std::nullopt;
    }
    const std::vector<std::string_view> folders = absoluteFolders(*pathList);
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
    return std::nullopt;
}

} // namespace skarvel
