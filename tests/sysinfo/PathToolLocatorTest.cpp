#include "PathToolLocator.h"

#include "ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

class PathToolLocatorTest : public testing::Test {
protected:
    ScratchFolder scratch;

    std::string folder(const std::string& name) const { return (scratch.path() / name).string(); }
    fs::path program(const std::string& relative) const { return scratch.addRecorder(relative); }

    std::optional<ToolCommand> find(std::optional<std::string> pathList,
                                    std::vector<std::string> names,
                                    std::vector<ToolCommand> fixed = {}) const {
        return PathToolLocator([pathList] { return pathList; }, std::move(names), std::move(fixed))
            .locate();
    }
};

TEST_F(PathToolLocatorTest, EarlierNameWinsOverEarlierFolder) {
    program("a/second");
    const fs::path wanted = program("b/first");
    EXPECT_EQ(find(folder("a") + ":" + folder("b"), {"first", "second"}), wanted.string());
}

TEST_F(PathToolLocatorTest, EarlierFolderWinsForOneName) {
    const fs::path wanted = program("a/tool");
    program("b/tool");
    EXPECT_EQ(find(folder("b/../a") + ":" + folder("b"), {"tool"}),
              (scratch.path() / "b/../a/tool").string());
    EXPECT_TRUE(fs::equivalent(find(folder("a") + ":" + folder("b"), {"tool"})->path, wanted));
}

TEST_F(PathToolLocatorTest, SkipsWhatCannotRunAndFindsTheNextFolder) {
    scratch.addFile("noexec/tool", "#!/bin/sh\n", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directories(scratch.path() / "dir/tool");
    const fs::path wanted = program("good/tool");
    EXPECT_EQ(find(folder("noexec") + ":" + folder("dir") + ":" + folder("good") + "/", {"tool"}),
              wanted.string());
}

TEST_F(PathToolLocatorTest, IgnoresEmptyAndRelativeFolders) {
    program("rel/tool");
    const std::string relative = fs::relative(scratch.path() / "rel", fs::current_path()).string();
    ASSERT_TRUE(fs::exists(fs::path(relative) / "tool"));
    EXPECT_EQ(find(relative + "::.", {"tool"}), std::nullopt);
    EXPECT_EQ(find(":" + relative + ":", {"tool"}), std::nullopt);
}

TEST_F(PathToolLocatorTest, NothingFound) {
    program("a/tool");
    EXPECT_EQ(find(std::nullopt, {"tool"}), std::nullopt);
    EXPECT_EQ(find("", {"tool"}), std::nullopt);
    EXPECT_EQ(find(folder("a"), {"other"}), std::nullopt);
    EXPECT_EQ(find(folder("a"), {}), std::nullopt);
    // Names are plain file names, never paths of their own.
    EXPECT_EQ(find(scratch.path().string(), {"a/tool", "", "."}), std::nullopt);
}

// Tried after every name, by exact path only, with their arguments; no PATH needed.
TEST_F(PathToolLocatorTest, FixedCommandsComeLastAtTheirExactPaths) {
    const ToolCommand view{program("views/settings").string(), {"info-overview"}};
    scratch.addFile("views/plain", "#!/bin/sh\n", fs::perms::owner_read);
    const std::vector<ToolCommand> fixed{
        {folder("views/absent")}, {folder("views/plain")}, {"views/settings", {"relative"}}, view};
    EXPECT_EQ(find(folder("views"), {"tool"}, fixed), view);
    EXPECT_EQ(find(std::nullopt, {"tool"}, fixed), view);
    EXPECT_EQ(find(folder("views"), {"settings"}, fixed), ToolCommand(view.path));
}

TEST_F(PathToolLocatorTest, ReadsThePathAfreshEachTime) {
    std::string current = folder("a");
    PathToolLocator search([&current] { return std::optional<std::string>(current); }, {"tool"});
    EXPECT_EQ(search.locate(), std::nullopt);
    const fs::path wanted = program("b/tool");
    current = folder("b");
    EXPECT_EQ(search.locate(), wanted.string());
}

} // namespace
} // namespace skarvel::test
