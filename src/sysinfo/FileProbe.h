#pragma once

#include <string>

namespace skarvel {

// Asks the file system whether a program file is present at a path.
class FileProbe {
public:
    virtual ~FileProbe() = default;

    // True only for a file at exactly this path that is neither a folder nor
    // marked hidden or system.
    virtual bool isOrdinaryFile(const std::string& path) const = 0;
};

} // namespace skarvel
