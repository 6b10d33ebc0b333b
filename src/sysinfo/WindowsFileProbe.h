#pragma once

#include "FileProbe.h"

namespace skarvel {

// File test by attributes: present, and not a folder, hidden or system file.
class WindowsFileProbe : public FileProbe {
public:
    bool isOrdinaryFile(const std::string& path) const override;
};

} // namespace skarvel
