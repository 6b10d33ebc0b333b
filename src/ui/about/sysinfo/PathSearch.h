#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace skarvel {

// Finds the first of several programs, in the order given, in the folders of a
// PATH-style list. Only absolute folders count: an empty or relative entry would
// make the result depend on the current directory.
class PathSearch {
public:
    // pathSource is asked afresh at every search; nullopt means no PATH is set.
    PathSearch(std::function<std::optional<std::string>()> pathSource,
               std::vector<std::string> programNames);

    // The full path of the first name found as an executable regular file; all
    // folders are searched for one name before the next name is tried.
    std::optional<std::string> find() const;

private:
    std::function<std::optional<std::string>()> readPath;
    std::vector<std::string> names;
};

} // namespace skarvel
