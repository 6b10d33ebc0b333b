#pragma once

#include "FileProbe.h"
#include "MessageDisplay.h"
#include "ProgramStarter.h"
#include "StartError.h"
#include "ToolLocator.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Recording stand-ins for the launcher's locator, file test, program start and message box.
namespace skarvel::test {

// Answers with a fixed tool, or none, and counts the questions.
class FakeToolLocator : public ToolLocator {
public:
    std::optional<std::string> tool;
    int asked = 0;

    std::optional<ToolCommand> locate() override {
        ++asked;
        return tool ? std::optional<ToolCommand>(*tool) : std::nullopt;
    }
};

// Knows a fixed set of files; records every path it was asked about.
class FakeFileProbe : public FileProbe {
public:
    std::set<std::string> files;
    std::function<void()> beforeAnswer; // may throw, to script a failing test
    mutable std::vector<std::string> asked;

    bool isOrdinaryFile(const std::string& path) const override {
        asked.push_back(path);
        if (beforeAnswer) {
            beforeAnswer();
        }
        return files.contains(path);
    }
};

// Starts only the paths it knows, like a system where other paths name nothing.
class FakeProgramStarter : public ProgramStarter {
public:
    std::set<std::string> programs;
    std::function<void()> beforeStart; // may throw anything, to script odd failures
    std::vector<std::string> attempts;
    std::vector<std::string> started;

    void start(const ToolCommand& command) override {
        const std::string& path = command.path;
        attempts.push_back(path);
        if (beforeStart) {
            beforeStart();
        }
        if (!programs.contains(path)) {
            throw StartError(path, 2);
        }
        started.push_back(path);
    }
};

class FakeMessageDisplay : public MessageDisplay {
public:
    std::vector<std::pair<std::string, std::string>> shown; // text, caption
    std::function<void()> beforeShow;                       // may throw

    void show(const std::string& text, const std::string& caption) override {
        if (beforeShow) {
            beforeShow();
        }
        shown.emplace_back(text, caption);
    }
};

} // namespace skarvel::test
