// The attach walk where a structure holds the folder it is copied into: the
// walk never enters its target or a folder it made, so it ends, and its
// simulation counts what it makes.

#include "runs/AttachWalk.h"

#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

std::set<std::string> Below(const std::string& host) {
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(host))
        entries.insert(fs::relative(entry.path(), host).string());
    return entries;
}

TEST(AttachWalkTest, NeverEntersItsTargetInsideTheStructure) {
    struct Case {
        AttachMode mode;
        std::string target;
        std::set<std::string> added; // below D:\S
        double subfolders;
        double files;
    };
    const Case cases[] = {
        {AttachMode::SubFoldersOnlyWithFiles, "D:\\S\\sub", {"sub/a.txt"}, 0, 1},
        {AttachMode::SubFoldersOnlyWithoutFiles, "D:\\S\\sub", {}, 0, 0},
        {AttachMode::MainFolderWithFiles,
         "D:\\S\\sub\\S",
         {"sub/S", "sub/S/a.txt", "sub/S/sub", "sub/S/sub/b.txt", "sub/S/sub/deep"},
         3,
         2},
        {AttachMode::MainFolderWithoutFiles, "D:\\S\\sub\\S", {"sub/S", "sub/S/sub", "sub/S/sub/deep"}, 3, 0},
    };
    for (const Case& c : cases) {
        testsupport::DriveSandbox sandbox("D");
        testsupport::ScriptedDesktop desktop;
        sandbox.MakeFile("D:\\S\\a.txt", "a");
        sandbox.MakeFile("D:\\S\\sub\\b.txt", "b");
        sandbox.MakeFolder("D:\\S\\sub\\deep");
        const FileSizeMap sizes = {{"D:\\S\\a.txt", 1}, {"D:\\S\\sub\\b.txt", 1}};
        const std::set<std::string> before = Below(sandbox.Host("D:\\S"));
        CreationCounterBlock block;
        AttachWalk walk(block, sizes, {.keepOutOfTarget = true});
        walk.AttachTargetRoot = c.target;

        walk.SimulateCopyFolderStructure("D:\\S", c.mode);
        const CounterRow simulated = block.Counters.Created;
        block.ResetAllCounters();
        walk.ForgetLastRun();
        walk.CopyFolderStructure("D:\\S", c.mode);

        std::set<std::string> expected = before;
        expected.insert(c.added.begin(), c.added.end());
        EXPECT_EQ(Below(sandbox.Host("D:\\S")), expected) << c.target;
        EXPECT_EQ(block.Counters.Created.SubFolders, c.subfolders) << c.target;
        EXPECT_EQ(block.Counters.Created.Files, c.files) << c.target;
        EXPECT_EQ(simulated.SubFolders, c.subfolders) << c.target;
        EXPECT_EQ(simulated.Files, c.files) << c.target;
    }
}

} // namespace
