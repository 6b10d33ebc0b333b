#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace skarvel::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
// Scripts made here record each run by appending their own path to a log file.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return root; }
    std::filesystem::path log() const { return root / "runs.log"; }

    // An executable shell script at relative that logs "$0", then runs extra lines.
    std::filesystem::path addRecorder(const std::filesystem::path& relative,
                                      const std::string& extraLines = "") const;
    // A file with the given permissions and content.
    std::filesystem::path addFile(const std::filesystem::path& relative, const std::string& content,
                                  std::filesystem::perms permissions) const;

    // The log's text, waiting up to the timeout for a line from a program that runs
    // on its own; empty when nothing ran by then.
    std::string waitForLog(std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

private:
    std::filesystem::path root;
};

} // namespace skarvel::test
