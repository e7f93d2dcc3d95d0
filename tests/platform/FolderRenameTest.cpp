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

TEST(FolderRename, LooksAnswerAsTheLongWay) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\W\\Alpha");
    sandbox.MakeFolder("D:\\W\\Beta");
    sandbox.MakeFolder("D:\\W\\gamma");
    sandbox.MakeFolder("D:\\W\\GAMMA");
    sandbox.MakeFile("D:\\W\\file.txt", "x");
    std::filesystem::create_directory_symlink(sandbox.Host("D:\\W\\Beta"), sandbox.Host("D:\\W\\Link"));
    Follow("D:\\W");
    const struct {
        std::string path, newPath;
    } cases[] = {
        {"D:\\W\\Alpha", "D:\\W\\New"},
        {"D:\\W\\ALPHA", "D:\\W\\beta"},
        {"D:\\W\\alpha", "D:\\W\\Alpha"},
        {"D:\\W\\Gamma", "D:\\W\\gamma"},
        {"D:\\W\\Link", "D:\\W\\x"},
        {"D:\\W\\file.txt", "D:\\W\\y"},
        {"D:\\W\\Gone", "D:\\W\\Link"},
        // Written in other ways, as Windows reads them.
        {"D:\\W\\Alpha. ", "D:\\W\\New.."},
        {"D:/W/Alpha", "D:\\W\\New"},
        {"D:\\W\\x\\..\\Alpha", "D:\\W\\x\\..\\New"},
        {"D:\\W\\.\\Alpha", "D:\\W\\New"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " -> " + c.newPath);
        EntryDetails entry;
        EntryDetails there;
        ASSERT_TRUE(LookBeforeRename(c.path, c.newPath, entry, there));
        for (const auto& [looked, path] : {std::pair{entry, c.path}, std::pair{there, c.newPath}}) {
            const EntryDetails expected = GetEntryDetails(path);
            EXPECT_EQ(looked.kind, expected.kind);
            EXPECT_EQ(looked.name, expected.name);
            EXPECT_EQ(looked.identity, expected.identity);
            EXPECT_EQ(looked.linkToFolder, expected.linkToFolder);
        }
    }
    // Paths of two folders, and names no folder may have, are not looked at
    // together.
    for (const std::string newPath :
         {"D:\\V\\Alpha", "D:\\W\\.", "D:\\W\\..", "D:\\W\\New\\x", "D:\\W\\a?b", "D:\\W\\ . "}) {
        SCOPED_TRACE(newPath);
        EntryDetails entry;
        EntryDetails there;
        EXPECT_FALSE(LookBeforeRename("D:\\W\\Alpha", newPath, entry, there));
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

} // namespace

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

// One rename aimed again and again, as a run aims it line after line, looks
// where each pair of paths leads, whichever folder the last pair was in. A
// folder written in other letters is not the one whose names are followed.
TEST(FolderRename, ARenameAimedAgainLooksWhereEachPathLeads) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\W\\A");
    sandbox.MakeFolder("D:\\V\\A\\inner");
    sandbox.MakeFolder("D:\\V\\b");
    Follow("D:\\W");
    Follow("D:\\V");
    const struct {
        std::string path, newPath;
        bool looked;
    } cases[] = {
        {"D:\\W\\A", "D:\\W\\B", true},        {"D:\\V\\A", "D:\\V\\B", true},
        {"D:\\V\\A", "D:\\V\\a?", false},      {"D:\\V\\A", "D:\\V\\..", false},
        {"D:\\W\\a", "D:\\W\\b", true},        {"d:\\w\\A", "d:\\w\\B", false},
        {"D:\\W\\A\\..\\A", "D:\\W\\B", true}, {"D:\\V\\b", "D:\\V\\c", true},
    };
    RenameInFolder rename;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " -> " + c.newPath);
        rename.Aim(c.path, c.newPath);
        EntryDetails entry;
        EntryDetails there;
        ASSERT_EQ(rename.Look(entry, there, false), c.looked);
        if (!c.looked)
            continue;
        for (const auto& [looked, path] : {std::pair{entry, c.path}, std::pair{there, c.newPath}}) {
            const EntryDetails expected = GetEntryDetails(path);
            EXPECT_EQ(looked.kind, expected.kind);
            EXPECT_EQ(looked.name, expected.name);
            EXPECT_EQ(looked.identity, expected.identity);
        }
    }
}
