// Looks and renames within a folder whose names the layer follows: they
// answer as the long way does, and know nothing once a folder on the way
// was replaced.

#include "platform/FolderRename.h"
#include "platform/EntryDetails.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using namespace platform;
using testsupport::DriveSandbox;

// Looks for a missing name until the layer keeps and follows the folder's
// names, as a run's looks do.
void Follow(const std::string& folder) {
    for (int i = 0; i < 3; ++i)
        GetEntryDetails(folder + "\\no such entry");
}

// Each pair of paths is looked at alone and by one rename aimed at pair
// after pair, as a run aims it line after line: the aimed one looks where
// each pair leads, whichever folder the last pair was in.
TEST(FolderRename, LooksAnswerAsTheLongWay) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\W\\Alpha");
    sandbox.MakeFolder("D:\\W\\Beta");
    sandbox.MakeFolder("D:\\W\\gamma");
    sandbox.MakeFolder("D:\\W\\GAMMA");
    sandbox.MakeFile("D:\\W\\file.txt", "x");
    sandbox.MakeFolder("D:\\V\\Alpha\\inner");
    sandbox.MakeFolder("D:\\V\\b");
    std::filesystem::create_directory_symlink(sandbox.Host("D:\\W\\Beta"), sandbox.Host("D:\\W\\Link"));
    Follow("D:\\W");
    Follow("D:\\V");
    const struct {
        std::string path, newPath;
        bool looked;
    } cases[] = {
        {"D:\\W\\Alpha", "D:\\W\\New", true},
        {"D:\\W\\ALPHA", "D:\\W\\beta", true},
        {"D:\\W\\alpha", "D:\\W\\Alpha", true},
        {"D:\\W\\Gamma", "D:\\W\\gamma", true},
        {"D:\\W\\Link", "D:\\W\\x", true},
        {"D:\\W\\file.txt", "D:\\W\\y", true},
        {"D:\\W\\Gone", "D:\\W\\Link", true},
        {"D:\\V\\Alpha", "D:\\V\\B", true},
        {"D:\\W\\Alpha", "D:\\W\\B", true},
        // Written in other ways, as Windows reads them.
        {"D:\\W\\Alpha. ", "D:\\W\\New..", true},
        {"D:/W/Alpha", "D:\\W\\New", true},
        {"D:\\W\\x\\..\\Alpha", "D:\\W\\x\\..\\New", true},
        {"D:\\W\\.\\Alpha", "D:\\W\\New", true},
        {"D:\\V\\b", "D:\\V\\c", true},
        // A folder written in other letters is not the one whose names are
        // followed.
        {"d:\\w\\Alpha", "d:\\w\\B", false},
        // Paths of two folders, and names no folder may have, are not
        // looked at together.
        {"D:\\W\\Alpha", "D:\\V\\Alpha", false},
        {"D:\\W\\Alpha", "D:\\W\\.", false},
        {"D:\\W\\Alpha", "D:\\W\\..", false},
        {"D:\\W\\Alpha", "D:\\W\\New\\x", false},
        {"D:\\W\\Alpha", "D:\\W\\a?b", false},
        {"D:\\W\\Alpha", "D:\\W\\ . ", false},
        {"D:\\V\\Alpha", "D:\\V\\..", false},
        {"D:\\W\\Alpha\\..\\Alpha", "D:\\W\\B", true},
    };
    RenameInFolder aimed;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " -> " + c.newPath);
        aimed.Aim(c.path, c.newPath);
        EntryDetails alone[2];
        EntryDetails again[2];
        ASSERT_EQ(LookBeforeRename(c.path, c.newPath, alone[0], alone[1]), c.looked);
        ASSERT_EQ(aimed.Look(again[0], again[1], false), c.looked);
        if (!c.looked)
            continue;
        for (const EntryDetails* looked : {alone, again}) {
            for (const auto& [details, path] :
                 {std::pair{looked[0], c.path}, std::pair{looked[1], c.newPath}}) {
                const EntryDetails expected = GetEntryDetails(path);
                EXPECT_EQ(details.kind, expected.kind);
                EXPECT_EQ(details.name, expected.name);
                EXPECT_EQ(details.identity, expected.identity);
                EXPECT_EQ(details.linkToFolder, expected.linkToFolder);
            }
        }
    }
}

TEST(FolderRename, AFolderOnTheWayReplacedByALinkEndsWhatIsKnown) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\W\\A");
    sandbox.MakeFolder("D:\\Elsewhere\\A");
    Follow("D:\\W");
    EntryDetails entry;
    EntryDetails there;
    ASSERT_TRUE(LookBeforeRename("D:\\W\\A", "D:\\W\\B", entry, there));
    std::filesystem::rename(sandbox.Host("D:\\W"), sandbox.Host("D:\\Old"));
    std::filesystem::create_directory_symlink(sandbox.Host("D:\\Elsewhere"), sandbox.Host("D:\\W"));
    EXPECT_FALSE(LookBeforeRename("D:\\W\\A", "D:\\W\\B", entry, there));
}

TEST(FolderRename, RenamesTheEntryByItsNameOnDiskAndNeverReplaces) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\W\\Alpha\\inside");
    sandbox.MakeFolder("D:\\W\\Beta");
    Follow("D:\\W");
    EntryDetails entry;
    EntryDetails there;
    ASSERT_TRUE(LookBeforeRename("D:\\W\\alpha", "D:\\W\\Gamma", entry, there));

    EXPECT_FALSE(RenameWithinFolder("D:\\W\\ALPHA", "D:\\W\\beta"));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(RenameWithinFolder("D:\\W\\ALPHA", "D:\\W\\Gamma"));
    EXPECT_TRUE(sandbox.Exists("D:\\W\\Gamma\\inside"));
    EXPECT_FALSE(std::filesystem::exists(sandbox.Host("D:\\W\\Alpha")));
    // Only the case of its own name.
    EXPECT_TRUE(RenameWithinFolder("D:\\W\\Gamma", "D:\\W\\GAMMA"));
    EXPECT_TRUE(std::filesystem::is_directory(sandbox.Host("D:\\W\\GAMMA\\inside")));
    // A name another program took meanwhile is seen.
    sandbox.MakeFolder("D:\\W\\Delta");
    EXPECT_FALSE(RenameWithinFolder("D:\\W\\Beta", "D:\\W\\delta"));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    std::filesystem::remove(sandbox.Host("D:\\W\\Beta"));
    EXPECT_FALSE(RenameWithinFolder("D:\\W\\Beta", "D:\\W\\Epsilon"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    ASSERT_TRUE(LookBeforeRename("D:\\W\\gamma", "D:\\W\\Delta", entry, there));
    EXPECT_EQ(entry.name, "GAMMA");
    EXPECT_EQ(there.name, "Delta");
}

// A run's looks read the watch only where something other than its own last
// rename may have come first: each look finds the run's renames made, and a
// name another program gives after a rename, in other letters, is still seen
// before the next rename, which then replaces nothing.
TEST(FolderRename, ARunsLooksSeeItsRenamesAndTheRenamesSeeEveryoneElses) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\W\\A");
    sandbox.MakeFolder("D:\\W\\C");
    Follow("D:\\W");
    const auto lookAndRename = [](const std::string& path, const std::string& newPath, EntryDetails& entry,
                                  EntryDetails& there) {
        RenameInFolder rename(path, newPath);
        return rename.Look(entry, there, true) && rename.Rename();
    };
    EntryDetails entry;
    EntryDetails there;
    ASSERT_TRUE(lookAndRename("D:\\W\\A", "D:\\W\\B", entry, there));
    ASSERT_TRUE(lookAndRename("D:\\W\\b", "D:\\W\\Bee", entry, there));
    EXPECT_EQ(entry.name, "B");
    EXPECT_EQ(there.kind, EntryKind::Missing);
    EXPECT_TRUE(std::filesystem::is_directory(sandbox.Host("D:\\W\\Bee")));

    sandbox.MakeFolder("D:\\W\\DEE");
    EXPECT_FALSE(lookAndRename("D:\\W\\C", "D:\\W\\Dee", entry, there));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(std::filesystem::is_directory(sandbox.Host("D:\\W\\C")));
    EXPECT_FALSE(std::filesystem::exists(sandbox.Host("D:\\W\\Dee")));
    // A look after one that renamed nothing reads the watch.
    ASSERT_TRUE(RenameInFolder("D:\\W\\C", "D:\\W\\dee").Look(entry, there, true));
    EXPECT_EQ(there.name, "DEE");
}

} // namespace
