// The pre-count of the delete page: what each mode would remove, for nested
// Include folders, file-name patterns and main folders that are missing,
// refused or hold links.

#include "ui_TfrmStatistics07.h"
#include "ui_Vol07DeletePage.h"

#include "DeletePageFixture.h"

#include "platform/Drives.h"
#include "support/Ext4Images.h"
#include "support/PrivateMounts.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

using namespace deletetests;

namespace {

class DeletePreCountTest : public DeletePageTest {
protected:
    void MakeTree() {
        sandbox->MakeFile("D:\\A\\a.txt", "abc");
        sandbox->MakeFile("D:\\A\\b.doc", "abcde");
        sandbox->MakeFile("D:\\A\\B\\c.txt", "abcdefg");
        sandbox->MakeFile("D:\\A\\B\\e.doc", "ab");
        sandbox->MakeFile("D:\\A\\B\\C\\d.txt", "abcdefghijk");
    }
};

struct PreCountCase {
    const char* name;
    DeleteMode mode;
    std::deque<std::string> patterns;
    Lines include;
    Lines toDelete; // folders, files, bytes
    Lines fileSet;
};

} // namespace

TEST_F(DeletePreCountTest, EachModeCountsWhatItWouldRemove) {
    MakeTree();
    const PreCountCase cases[] = {
        {"subfolders: the nested folder is walked once, the main folder not counted",
         DeleteMode::Subfolders,
         {"*.*"},
         {"D:\\A", "D:\\A\\B"},
         {"2", "5", "28"},
         {}},
        {"everything: the main folder counts too",
         DeleteMode::Everything,
         {"*.*"},
         {"D:\\A", "D:\\A\\B"},
         {"3", "5", "28"},
         {}},
        {"files of whole trees by pattern",
         DeleteMode::FilesEverywhere,
         {"*.txt"},
         {"D:\\A", "D:\\A\\B"},
         {"0", "3", "21"},
         {"D:\\A\\B\\C\\d.txt=11", "D:\\A\\B\\c.txt=7", "D:\\A\\a.txt=3"}},
        {"files of each main folder alone, nested ones included",
         DeleteMode::FilesInMainFolders,
         {"*.txt"},
         {"D:\\A", "D:\\A\\B"},
         {"0", "2", "10"},
         {"D:\\A\\B\\c.txt=7", "D:\\A\\a.txt=3"}},
        {"two patterns",
         DeleteMode::FilesEverywhere,
         {"*.txt", "*.doc"},
         {"D:\\A\\B"},
         {"0", "3", "20"},
         {"D:\\A\\B\\C\\d.txt=11", "D:\\A\\B\\c.txt=7", "D:\\A\\B\\e.doc=2"}},
        {"a pattern matching nothing",
         DeleteMode::FilesInMainFolders,
         {"*.xls"},
         {"D:\\A"},
         {"0", "0", "0"},
         {}},
    };
    for (const PreCountCase& test : cases) {
        SCOPED_TRACE(test.name);
        SetPatterns(test.patterns);
        Include(test.include, test.mode);
        EXPECT_EQ(ToDelete(), test.toDelete);
        EXPECT_EQ(FileSet(), test.fileSet);
        // The statistics window shows what the page shows.
        EXPECT_EQ(Label(frmStatistics07, "lblStat07FoldersToDelete"), test.toDelete[0]);
        EXPECT_EQ(Label(frmStatistics07, "lblStat07FilesToDelete"), test.toDelete[1]);
    }
}

TEST_F(DeletePreCountTest, AFileMatchingTwoPatternsCountsOnce) {
    MakeTree();
    SetPatterns({"*.txt", "*.*"});
    Include({"D:\\A\\B\\C"}, DeleteMode::FilesEverywhere);
    EXPECT_EQ(ToDelete(), (Lines{"0", "1", "11"}));
    EXPECT_EQ(FileSet(), (Lines{"D:\\A\\B\\C\\d.txt=11"}));
}

TEST_F(DeletePreCountTest, AMissingMainFolderCountsNothingInEveryMode) {
    MakeTree();
    for (DeleteMode mode : {DeleteMode::FilesEverywhere, DeleteMode::FilesInMainFolders,
                            DeleteMode::Subfolders, DeleteMode::Everything}) {
        SCOPED_TRACE(static_cast<int>(mode));
        Include({"D:\\Gone", "D:\\A\\B\\C"}, mode);
        const bool folders = mode == DeleteMode::Everything;
        EXPECT_EQ(ToDelete(), (Lines{folders ? "1" : "0", "1", "11"}));
    }
}

TEST_F(DeletePreCountTest, ALinkIsAnEntryOfItsOwnAndNeverFollowed) {
    sandbox->MakeFile("D:\\Outside\\keep.txt", "1234567890");
    sandbox->MakeFile("D:\\A\\own.txt", "12");
    ASSERT_EQ(symlink(sandbox->Host("D:\\Outside").c_str(), sandbox->Host("D:\\A\\ToOutside").c_str()), 0);
    ASSERT_EQ(
        symlink(sandbox->Host("D:\\Outside\\keep.txt").c_str(), sandbox->Host("D:\\A\\file.txt").c_str()), 0);
    Include({"D:\\A"}, DeleteMode::Subfolders);
    EXPECT_EQ(ToDelete(), (Lines{"0", "3", "2"}));
    // By pattern, the link to a file is a file; the link to a folder is none.
    SetPatterns({"*.*"});
    Include({"D:\\A"}, DeleteMode::FilesEverywhere);
    EXPECT_EQ(FileSet(), (Lines{"D:\\A\\file.txt=0", "D:\\A\\own.txt=2"}));
}

TEST_F(DeletePreCountTest, ProtectedMainFoldersAreNeverWalked) {
    MakeTree();
    sandbox->MakeFile("D:\\Holder\\Mapped\\x.txt", "x");
    platform::MapDrive('G', sandbox->Host("D:\\Holder\\Mapped"));
    sandbox->MakeFile("C:\\Program\\default.set", "settings");
    const Lines refused[] = {
        {"D:\\A\\.."},       // a drive's root under another name
        {"D:\\Holder"},      // holds G:'s root
        {"G:\\.."},          // G:'s root itself
        {"C:\\Program"},     // the start directory
        {"C:\\Program\\.."}, // holds it
        {"D:"},              // a drive as typed
        {"Program"},         // no drive: wherever the program stands
    };
    for (const Lines& include : refused) {
        SCOPED_TRACE(include.front());
        Include(include, DeleteMode::Everything);
        EXPECT_EQ(ToDelete(), (Lines{"0", "0", "0"}));
        ASSERT_EQ(page->Inventory().mains.size(), 1u);
        EXPECT_EQ(page->Inventory().mains[0].state, MainFolderState::Refused);
    }
}

TEST_F(DeletePreCountTest, TheModeComesFromTheCheckedRadioAndAnEmptyListCountsNothing) {
    MakeTree();
    Include({}, DeleteMode::Everything);
    EXPECT_EQ(ToDelete(), (Lines{"0", "0", "0"}));
    EXPECT_FALSE(c().rdoVol07DeleteCompleteFolders->isEnabled());
    EXPECT_FALSE(c().btnVol07DeleteFolders->isEnabled());
    EXPECT_FALSE(c().btnVol07DeleteFoldersSimulation->isEnabled());
    EXPECT_FALSE(c().chkVol07DeleteDoubleConfirm->isEnabled());

    Include({"D:\\A"}, DeleteMode::Everything);
    EXPECT_TRUE(c().btnVol07DeleteFolders->isEnabled());
    EXPECT_TRUE(c().lblVol07FoldersToDelete->isEnabled());
    EXPECT_FALSE(c().btnVol07FileSelection->isEnabled());
    EXPECT_EQ(page->Inventory().mode, DeleteMode::Everything);
    Include({"D:\\A"}, DeleteMode::FilesInMainFolders);
    EXPECT_TRUE(c().btnVol07FileSelection->isEnabled());
    // No folder is deleted in a files mode: its column is off.
    EXPECT_FALSE(c().lblVol07FoldersToDelete->isEnabled());
    EXPECT_TRUE(c().lblVol07FilesToDelete->isEnabled());
    EXPECT_EQ(c().lblVol07IncludeSum->text().toStdString(), "1");
}

TEST_F(DeletePreCountTest, TheWindowRepaintsDuringThePreCountAndIgnoresThePage) {
    for (int i = 0; i < 40; ++i)
        sandbox->MakeFile("D:\\A\\F" + std::to_string(i) + "\\x.txt", "x");
    c().lstVol07IncludeFolderList->AddItem("D:\\A");
    c().rdoVol07DeleteSubFolders->setChecked(true);
    int processed = 0;
    bool barShown = false;
    desktop->OnProcessMessages([&] {
        ++processed;
        barShown = c().pbVol07ProgressBar->isVisibleTo(page.get());
        // A click meanwhile would ask question 0236, which the desktop does
        // not expect: it must be ignored.
        c().btnVol07ClearAll->click();
        EXPECT_TRUE(page->RunInProgress());
    });
    page->RefreshVol07Page();
    desktop->OnProcessMessages({});
    EXPECT_GT(processed, 0);
    EXPECT_TRUE(barShown);
    EXPECT_FALSE(page->RunInProgress());
    EXPECT_FALSE(c().pbVol07ProgressBar->isVisibleTo(page.get()));
    EXPECT_EQ(ToDelete(), (Lines{"40", "40", "40"}));
    EXPECT_TRUE(desktop->Boxes().empty());
}

TEST_F(DeletePreCountTest, ThePreCountAsksForAFrameAfterEveryEntryOfALargeFolder) {
    const int files = 300;
    for (int i = 0; i < files; ++i)
        sandbox->MakeFile("D:\\A\\Big\\f" + std::to_string(i) + ".txt", "x");
    c().lstVol07IncludeFolderList->AddItem("D:\\A");
    c().rdoVol07DeleteSubFolders->setChecked(true);
    // Every question to the throttle finds a frame due, so each one shows.
    page->Repaints().SetFrameMilliseconds(0);
    int processed = 0;
    desktop->OnProcessMessages([&] { ++processed; });
    page->RefreshVol07Page();
    desktop->OnProcessMessages({});
    EXPECT_GE(processed, files);
    EXPECT_GE(page->Repaints().RunRepaints(), files);
    EXPECT_EQ(ToDelete(), (Lines{"1", "300", "300"}));
}

// A folder deleted during the walk and another made in a folder still to be
// walked: the file system hands it the old inode at once (on a disk of its
// own with every other inode taken, for sure), and it is still a folder of
// its own, counted like any other.
TEST_F(DeletePreCountTest, AFolderMadeDuringTheWalkInAFreedInodeIsCounted) {
    using testsupport::Ext4Disk;
    if (testsupport::RanInPrivateMounts(Ext4Disk::WhyUnavailable(Ext4Disk::Kind::FewInodes)))
        return;
    const Ext4Disk disk(sandbox->Host("D:\\A"), Ext4Disk::Kind::FewInodes);
    sandbox->MakeFolder("D:\\A\\X");
    sandbox->MakeFolder("D:\\A\\Z");
    sandbox->MakeFolder("D:\\A\\Full");
    ASSERT_TRUE(testsupport::TakeEveryFreeInode(sandbox->Host("D:\\A\\Full")));
    platform::EntryIdentity old;
    ASSERT_TRUE(platform::GetEntryIdentity("D:\\A\\X", old));
    // The inode is read of the host itself, not through the identity the
    // walk relies on: a wrong identity must fail here, not pass unseen.
    const auto inodeOf = [&](const std::string& folder) {
        struct stat st {};
        return ::lstat(sandbox->Host(folder).c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_ino) : 0;
    };
    const uint64_t oldInode = inodeOf("D:\\A\\X");
    const std::string heir = "D:\\A\\Z\\Y";
    bool replaced = false;
    // X holds nothing, so the first step comes after X is walked, before Z.
    const auto step = [&] {
        if (replaced)
            return;
        replaced = true;
        std::filesystem::remove(sandbox->Host("D:\\A\\X"));
        sandbox->MakeFolder(heir);
    };
    const DeleteInventory inventory =
        TakeDeleteInventory(DeleteMode::Subfolders, {"D:\\A\\X", "D:\\A\\Z"}, {"*.*"}, step);
    ASSERT_TRUE(replaced);
    ASSERT_EQ(inodeOf(heir), oldInode) << "the inode was not reused";
    platform::EntryIdentity identity;
    ASSERT_TRUE(platform::GetEntryIdentity(heir, identity));
    EXPECT_FALSE(identity == old) << "the new folder in the freed inode passes for the one deleted";
    const bool counted = std::any_of(inventory.items.begin(), inventory.items.end(),
                                     [&](const DeleteItem& item) { return item.path == heir; });
    EXPECT_TRUE(counted) << heir;
    EXPECT_EQ(inventory.folders, 1u);
}

// A subfolder of a listed folder, the two in other spellings, is counted
// once with the folder that holds it, itself included, in every mode that
// deletes it.
TEST_F(DeletePreCountTest, ANestedFolderInAnotherSpellingIsCountedOnceWithItsHolder) {
    sandbox->MakeFile("D:\\A\\B\\x.txt", "12345");
    const std::pair<std::string, std::string> cases[] = {
        {"D:\\A", "D:/A/B"},          {"D:\\A\\.\\.\\", "D:\\A\\B"}, {"d:\\a\\\\\\", "D:\\A\\B"},
        {"D:\\A\\B\\..", "d:\\a\\b"}, {"D:\\A", "D:\\A\\x\\..\\B"},
    };
    for (const auto& [holder, nested] : cases) {
        SCOPED_TRACE(holder + " " + nested);
        Include({holder, nested}, DeleteMode::Subfolders);
        EXPECT_EQ(ToDelete(), (Lines{"1", "1", "5"}));
        Include({holder, nested}, DeleteMode::Everything);
        EXPECT_EQ(ToDelete(), (Lines{"2", "1", "5"}));
    }
}
