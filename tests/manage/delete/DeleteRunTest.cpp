// The delete run and its simulation: each mode against the tree of the delete
// examples window, the simulation against the run, links, entries that
// changed after the pre-count, refused main folders and the confirmations.

#include "ui_TfrmExamplesDelete.h"
#include "ui_TfrmStatistics07.h"
#include "ui_Vol07DeletePage.h"

#include "DeletePageFixture.h"

#include "tools/TfrmExamplesDelete.h"

#include <gtest/gtest.h>

#include <cctype>
#include <unistd.h>

using namespace deletetests;
using ui::Answer;

namespace {

class DeleteRunTest : public DeletePageTest {
protected:
    // The six statistics lists: folders and files deleted, not existing,
    // other reasons.
    std::vector<Lines> StatisticsLists() {
        return {stat().lstStat07FoldersDeleted->Items(),      stat().lstStat07FilesDeleted->Items(),
                stat().lstStat07FoldersNotExists->Items(),    stat().lstStat07FilesNotExists->Items(),
                stat().lstStat07FoldersOtherReasons->Items(), stat().lstStat07FilesOtherReasons->Items()};
    }
    static std::string OnDisk(std::string path) {
        path[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
        return path;
    }
};

struct ExampleCase {
    DeleteMode mode;
    QRadioButton* Ui::TfrmExamplesDelete::*option;
};

} // namespace

TEST_F(DeleteRunTest, EachModeDeletesWhatTheExamplesWindowShows) {
    Ui::TfrmExamplesDelete& examples = frmExamplesDelete->Controls();
    const ExampleCase cases[] = {
        {DeleteMode::Subfolders, &Ui::TfrmExamplesDelete::rdoExDeCompleteFoldersRetainMainFolders},
        {DeleteMode::Everything, &Ui::TfrmExamplesDelete::rdoExDeEverythingRetainNothing},
        {DeleteMode::FilesInMainFolders, &Ui::TfrmExamplesDelete::rdoExDeFilesFromMainFolders},
        {DeleteMode::FilesEverywhere, &Ui::TfrmExamplesDelete::rdoExDeFilesAllFiles},
    };
    for (const ExampleCase& test : cases) {
        SCOPED_TRACE(static_cast<int>(test.mode));
        std::filesystem::remove_all(sandbox->Host("F:\\Clients"));
        for (const std::string& folder : examples.lstExDeSubFolderStructures->Items())
            sandbox->MakeFolder(OnDisk(folder));
        for (const std::string& file : examples.lstExDeFiles->Items())
            sandbox->MakeFile(OnDisk(file), file);
        (examples.*test.option)->click();
        const Lines expectedDeleted = examples.lstExDeDeleted->Items();
        std::set<std::string> expectedTree = Tree('F');
        for (const std::string& path : expectedDeleted) {
            std::string relative = path.substr(3);
            std::replace(relative.begin(), relative.end(), '\\', '/');
            const bool folder = expectedTree.erase(relative + "/") > 0;
            EXPECT_TRUE(folder || expectedTree.erase(relative) > 0) << path;
        }
        for (const std::string& path : examples.lstExDeRetain->Items())
            EXPECT_TRUE(sandbox->Exists(OnDisk(path))) << path;

        Include(examples.lstExDeIncludeWindow->Items(), test.mode);
        const std::set<std::string> before = Tree('F');
        SimulateToTheEnd();
        EXPECT_FALSE(stat().chkStat07NormalSimulate->isChecked());
        EXPECT_EQ(Tree('F'), before);
        const Lines simulated = PageResults();
        const std::vector<Lines> simulatedLists = StatisticsLists();

        RunToTheEnd();
        EXPECT_TRUE(stat().chkStat07NormalSimulate->isChecked());
        EXPECT_EQ(PageResults(), simulated);
        EXPECT_EQ(StatisticsResults(), simulated);
        EXPECT_EQ(StatisticsLists(), simulatedLists);
        Lines deleted = stat().lstStat07FilesDeleted->Items();
        for (const std::string& folder : stat().lstStat07FoldersDeleted->Items())
            deleted.push_back(folder);
        EXPECT_EQ(deleted, expectedDeleted);
        EXPECT_EQ(Tree('F'), expectedTree);
        // What is left is what the next delete would find.
        EXPECT_EQ(ToDelete(), (Lines{"0", "0", "0"}));
        EXPECT_TRUE(desktop->AllUsed());
    }
}

TEST_F(DeleteRunTest, ALinkIsDeletedAsALinkAndItsTargetStays) {
    sandbox->MakeFile("D:\\Outside\\keep.txt", "keep");
    sandbox->MakeFile("D:\\A\\Sub\\own.txt", "own");
    ASSERT_EQ(symlink(sandbox->Host("D:\\Outside").c_str(), sandbox->Host("D:\\A\\Sub\\ToOutside").c_str()),
              0);
    ASSERT_EQ(
        symlink(sandbox->Host("D:\\Outside\\keep.txt").c_str(), sandbox->Host("D:\\A\\keep.lnk").c_str()), 0);
    Include({"D:\\A"}, DeleteMode::Everything);
    RunToTheEnd();
    EXPECT_EQ(PageResults(), (Lines{"2", "0", "0", "3", "0", "0"}));
    EXPECT_EQ(stat().lstStat07FilesDeleted->Items(),
              (Lines{"D:\\A\\Sub\\own.txt", "D:\\A\\Sub\\ToOutside", "D:\\A\\keep.lnk"}));
    EXPECT_EQ(Tree('D'), (std::set<std::string>{"Outside/", "Outside/keep.txt"}));
    EXPECT_EQ(sandbox->Read("D:\\Outside\\keep.txt"), "keep");
}

TEST_F(DeleteRunTest, WhatChangedAfterThePreCountIsLeftAloneAndListed) {
    sandbox->MakeFile("D:\\A\\B\\replaced.txt", "old");
    sandbox->MakeFile("D:\\A\\B\\gone.txt", "gone");
    sandbox->MakeFile("D:\\A\\C\\plain.txt", "plain");
    Include({"D:\\A"}, DeleteMode::Subfolders);
    EXPECT_EQ(ToDelete(), (Lines{"2", "3", "12"}));
    // Another file under the same name, one more file, one file gone.
    std::filesystem::remove(sandbox->Host("D:\\A\\B\\replaced.txt"));
    sandbox->MakeFile("D:\\A\\B\\replaced.txt", "new content");
    sandbox->MakeFile("D:\\A\\B\\late.txt", "late");
    std::filesystem::remove(sandbox->Host("D:\\A\\B\\gone.txt"));

    // The simulation sees the same as the run.
    SimulateToTheEnd();
    const Lines simulated = PageResults();
    RunToTheEnd();
    EXPECT_EQ(PageResults(), simulated);
    EXPECT_EQ(PageResults(), (Lines{"1", "0", "1", "1", "1", "2"}));
    EXPECT_EQ(stat().lstStat07FilesOtherReasons->Items(),
              (Lines{"D:\\A\\B\\late.txt", "D:\\A\\B\\replaced.txt"}));
    EXPECT_EQ(stat().lstStat07FilesNotExists->Items(), (Lines{"D:\\A\\B\\gone.txt"}));
    EXPECT_EQ(stat().lstStat07FoldersOtherReasons->Items(), (Lines{"D:\\A\\B"}));
    EXPECT_EQ(stat().lstStat07FoldersDeleted->Items(), (Lines{"D:\\A\\C"}));
    EXPECT_EQ(Tree('D'), (std::set<std::string>{"A/", "A/B/", "A/B/late.txt", "A/B/replaced.txt"}));
    EXPECT_EQ(sandbox->Read("D:\\A\\B\\replaced.txt"), "new content");
}

TEST_F(DeleteRunTest, ARefusedOrMissingMainFolderIsListedAndNothingIsTouched) {
    sandbox->MakeFile("D:\\A\\x.txt", "x");
    sandbox->MakeFile("C:\\Program\\default.set", "settings");
    Include({"D:\\A\\..", "C:\\Program", "D:\\Missing"}, DeleteMode::Everything);
    EXPECT_EQ(ToDelete(), (Lines{"0", "0", "0"}));
    const std::set<std::string> before = Tree('D');
    RunToTheEnd();
    EXPECT_EQ(PageResults(), (Lines{"0", "1", "2", "0", "0", "0"}));
    EXPECT_EQ(stat().lstStat07FoldersOtherReasons->Items(), (Lines{"C:\\Program", "D:\\A\\.."}));
    EXPECT_EQ(stat().lstStat07FoldersNotExists->Items(), (Lines{"D:\\Missing"}));
    EXPECT_EQ(Tree('D'), before);
    EXPECT_TRUE(sandbox->Exists("C:\\Program\\default.set"));
}

TEST_F(DeleteRunTest, NoConfirmationNoDeletion) {
    struct Case {
        const char* name;
        bool doubleConfirm;
        std::vector<std::pair<std::string, Answer>> boxes;
        bool deleted;
    };
    const Case cases[] = {
        {"single confirmation, Yes", false, {{"0238", Answer::Yes}, {"0240", Answer::Ok}}, true},
        {"single confirmation, No", false, {{"0238", Answer::No}}, false},
        {"double confirmation, No at the first", true, {{"0238", Answer::No}}, false},
        {"double confirmation, No at the second", true, {{"0238", Answer::Yes}, {"0239", Answer::No}}, false},
        {"double confirmation, Yes twice",
         true,
         {{"0238", Answer::Yes}, {"0239", Answer::Yes}, {"0240", Answer::Ok}},
         true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        sandbox->MakeFile("D:\\A\\Sub\\x.txt", "12345");
        Include({"D:\\A"}, DeleteMode::Subfolders);
        c().chkVol07DeleteDoubleConfirm->setChecked(test.doubleConfirm);
        for (const auto& [number, answer] : test.boxes)
            desktop->ExpectBox(number, answer);
        c().btnVol07DeleteFolders->click();
        EXPECT_TRUE(desktop->AllUsed());
        EXPECT_EQ(sandbox->Exists("D:\\A\\Sub"), !test.deleted);
        EXPECT_TRUE(sandbox->Exists("D:\\A"));
    }
    // The second question names what will go; the end box what went.
    sandbox->MakeFile("D:\\A\\Sub\\x.txt", "12345");
    Include({"D:\\A"}, DeleteMode::Subfolders);
    c().chkVol07DeleteDoubleConfirm->setChecked(true);
    RunToTheEnd();
    const auto& boxes = desktop->Boxes();
    ASSERT_GE(boxes.size(), 3u);
    const testsupport::ShownBox& second = boxes[boxes.size() - 2];
    EXPECT_EQ(second.caption, "Delete Folder(s).-From a Folder List.            Warning no: 0239.");
    EXPECT_EQ(second.text, "Are you sure ?\n\n1 Folder(s) and 1 File(s) (5.00 Bytes) will be deleted "
                           "PERMANENTLY.\n\nClick YES to delete them,\nClick NO to Stop the delete process.");
    EXPECT_EQ(boxes.back().caption, "Delete Folder(s).-From a Folder List.            Information no: 0240.");
    EXPECT_EQ(boxes.back().text,
              "End of Deleting Folders/Files !!!\n\nDeleted: 1 Folder(s) and 1 File(s) (5.00 "
              "Bytes).\n\nDeleted Folders/Files can not be restored (NO UNDO).");
}

TEST_F(DeleteRunTest, TheEndBoxGivesTheSizeAFileHadWhenItWent) {
    sandbox->MakeFile("D:\\A\\Sub\\grown.txt", "abc");
    Include({"D:\\A"}, DeleteMode::Subfolders);
    EXPECT_EQ(ToDelete(), (Lines{"1", "1", "3"}));
    // The same file, grown after the pre-count.
    sandbox->MakeFile("D:\\A\\Sub\\grown.txt", std::string(100000, 'x'));
    RunToTheEnd();
    EXPECT_EQ(stat().lstStat07FilesDeleted->Items(), (Lines{"D:\\A\\Sub\\grown.txt"}));
    EXPECT_EQ(desktop->Boxes().back().text,
              "End of Deleting Folders/Files !!!\n\nDeleted: 1 Folder(s) and 1 File(s) (97.66 "
              "KB).\n\nDeleted Folders/Files can not be restored (NO UNDO).");
}

TEST_F(DeleteRunTest, ALinkGivenAsAMainFolderIsNeverEntered) {
    struct Case {
        DeleteMode mode;
        Lines toDelete;
        Lines results;
        Lines foldersDeleted;
        Lines foldersKept;
    };
    const Case cases[] = {
        {DeleteMode::FilesEverywhere, {"0", "0", "0"}, {"0", "0", "1", "0", "0", "0"}, {}, {"D:\\Link"}},
        {DeleteMode::FilesInMainFolders, {"0", "0", "0"}, {"0", "0", "1", "0", "0", "0"}, {}, {"D:\\Link"}},
        {DeleteMode::Subfolders, {"0", "0", "0"}, {"0", "0", "1", "0", "0", "0"}, {}, {"D:\\Link"}},
        // Removed as the main folder it stands for: the link alone.
        {DeleteMode::Everything, {"1", "0", "0"}, {"1", "0", "0", "0", "0", "0"}, {"D:\\Link"}, {}},
    };
    sandbox->MakeFile("D:\\Target\\t.txt", "t");
    sandbox->MakeFile("D:\\Target\\Sub\\u.txt", "u");
    const std::set<std::string> target = Tree('D');
    for (const Case& test : cases) {
        SCOPED_TRACE(static_cast<int>(test.mode));
        std::filesystem::remove(sandbox->Host("D:\\Link"));
        ASSERT_EQ(symlink(sandbox->Host("D:\\Target").c_str(), sandbox->Host("D:\\Link").c_str()), 0);
        Include({"D:\\Link"}, test.mode);
        EXPECT_EQ(ToDelete(), test.toDelete);
        SimulateToTheEnd();
        EXPECT_EQ(PageResults(), test.results);
        RunToTheEnd();
        EXPECT_EQ(PageResults(), test.results);
        EXPECT_EQ(stat().lstStat07FoldersDeleted->Items(), test.foldersDeleted);
        EXPECT_EQ(stat().lstStat07FoldersOtherReasons->Items(), test.foldersKept);
        EXPECT_TRUE(stat().lstStat07FilesDeleted->Items().empty());
        std::set<std::string> expected = target;
        if (test.foldersDeleted.empty())
            expected.insert("Link@");
        EXPECT_EQ(Tree('D'), expected);
    }
}
