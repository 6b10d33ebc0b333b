#include "ScratchFolder.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>
#include <thread>

namespace skarvel::test {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "skarvel-sysinfo-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a scratch folder");
    }
    root = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

fs::path ScratchFolder::addFile(const fs::path& relative, const std::string& content,
                                fs::perms permissions) const {
    const fs::path file = root / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
    fs::permissions(file, permissions);
    return file;
}

fs::path ScratchFolder::addRecorder(const fs::path& relative, const std::string& extraLines) const {
    // The log line is written whole, then renamed into place, so a reader never sees half.
    const std::string script = "#!/bin/sh\nPATH=/usr/bin:/bin\n"
                               "printf '%s\\n' \"$0\" >> '" +
                               log().string() +
                               ".part'\n"
                               "mv '" +
                               log().string() + ".part' '" + log().string() + "'\n" + extraLines;
    return addFile(relative, script, fs::perms::owner_all);
}

std::string ScratchFolder::waitForLog(std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!fs::exists(log()) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(log());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace skarvel::test
