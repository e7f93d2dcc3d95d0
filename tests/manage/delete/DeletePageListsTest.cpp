// The delete page's lists and list files: what enters the Include list and
// what is refused, loading and saving, Clear Fields, View Selected, the
// Select Files hint, the level builder and the editor, every box by number.

#include "ui_TfrmStatistics07.h"
#include "ui_TfrmVol07EditIncludeList.h"
#include "ui_Vol07DeletePage.h"

#include "DeletePageFixture.h"

#include "manage/delete/TfrmVol07EditIncludeList.h"
#include "ui/ComboBox.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace deletetests;
using ui::Answer;

namespace {

class DeletePageListsTest : public DeletePageTest {
protected:
    Lines IncludeLines() { return c().lstVol07IncludeFolderList->Items(); }
    Lines ExcludeLines() { return c().lstVol07ExcludeFolderList->Items(); }
};

} // namespace

TEST_F(DeletePageListsTest, AddingByHandNeverTakesAWholeDrive) {
    sandbox->MakeFolder("D:\\Data");
    c().lstVol07ExcludeFolderList->AddItem("D:\\Kept");
    struct Case {
        std::string chosen;
        std::string box; // "" for none
        Lines include;
    };
    const Case cases[] = {
        {"", "0219", {}},
        {"D:\\", "0334", {}},
        {"D:", "0334", {}},
        {"D:\\Data", "", {"D:\\Data"}},
        {"d:\\DATA", "0220", {"D:\\Data"}},
        {"D:\\kept", "0221", {"D:\\Data"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.chosen);
        desktop->ExpectBrowse(test.chosen);
        if (!test.box.empty())
            desktop->ExpectBox(test.box);
        page->btnVol07AddFoldersToListClick();
        EXPECT_TRUE(desktop->AllUsed());
        EXPECT_EQ(IncludeLines(), test.include);
    }
    EXPECT_EQ(desktop->Boxes()[1].caption,
              "Delete Folder(s).-From a Folder List.            Warning no: 0334.");
    EXPECT_EQ(desktop->Boxes()[1].text,
              "You can not Enter a drive without Folder(s)!\nSo You can not Delete the Entire drive.");
    EXPECT_EQ(desktop->BrowseTitles().front(), "Select the Folder.");
    EXPECT_EQ(c().lblVol07IncludeSum->text().toStdString(), "1");
}

TEST_F(DeletePageListsTest, MovingBackADriveStopsTheWholeMove) {
    c().lstVol07ExcludeFolderList->AddItems({"D:\\One", "D:\\", "D:\\Three"});
    c().lstVol07ExcludeFolderList->SelectAll();
    desktop->ExpectBox("0334");
    c().btnVol07ExcToInc->click();
    EXPECT_EQ(IncludeLines(), (Lines{"D:\\One"}));
    EXPECT_EQ(ExcludeLines(), (Lines{"D:\\One", "D:\\", "D:\\Three"}));

    // ">" and "<<" move what has a drive and is not in the other list.
    c().lstVol07IncludeFolderList->AddItems({"NoDrive", "D:\\Three"});
    c().lstVol07IncludeFolderList->SelectAll();
    c().btnVol07IncToExc->click();
    EXPECT_EQ(IncludeLines(), Lines{});
    EXPECT_EQ(ExcludeLines(), (Lines{"D:\\One", "D:\\", "D:\\Three"}));
    c().btnVol07AllFromExc->click();
    EXPECT_EQ(IncludeLines(), (Lines{"D:\\One", "D:\\", "D:\\Three"}));
    EXPECT_EQ(c().lblVol07ExcludeSum->text().toStdString(), "0");
}

TEST_F(DeletePageListsTest, ListFilesOpenAndSave) {
    c().lstVol07ExcludeFolderList->AddItem("D:\\Kept");
    LoadListFile("D:\\\r\n  D:\\Data  \nd:\\data\nNoDrive\nOther\nD:\\Kept\nD:\\More\n", "0227",
                 {"0231", "0229?", "0230"});
    EXPECT_TRUE(desktop->AllUsed());
    EXPECT_EQ(IncludeLines(), (Lines{"D:\\Data", "D:\\More"}));
    EXPECT_EQ(desktop->FileDialogs().back().filter,
              "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*|*.*");

    desktop->ExpectSaveFile("D:\\saved.txt");
    desktop->ExpectMessage("End of the saving process.");
    c().btnVol07SaveTo->click();
    EXPECT_EQ(sandbox->Read("D:\\saved.txt"), "D:\\Data\nD:\\More\n");

    // Answering No about a line without a drive empties the list and ends there.
    sandbox->MakeFile("D:\\nodrive.txt", "D:\\New\nNoDrive\nD:\\Later\n");
    desktop->ExpectOpenFile("D:\\nodrive.txt");
    desktop->ExpectBox("0227", Answer::No);
    desktop->ExpectBox("0229", Answer::No);
    c().btnVol07LoadFrom->click();
    EXPECT_TRUE(desktop->AllUsed());
    EXPECT_EQ(IncludeLines(), Lines{});

    // Another extension is asked about; a file that cannot be opened is told.
    desktop->ExpectOpenFile("D:\\missing.csv");
    ExpectBoxes({"0225?", "0226"});
    desktop->ExpectMessage("End of the loading process.");
    c().btnVol07LoadFrom->click();
    desktop->ExpectSaveFile("Q:\\nowhere.txt");
    desktop->ExpectBox("0232");
    c().btnVol07SaveTo->click();
    EXPECT_TRUE(desktop->AllUsed());
}

TEST_F(DeletePageListsTest, ClearFieldsLeavesModeFourAndTheOptionsOff) {
    sandbox->MakeFolder("D:\\A\\B");
    Include({"D:\\A"}, DeleteMode::FilesInMainFolders);
    c().chkVol07DeleteDoubleConfirm->setChecked(false);
    c().chkVol07ShowDetailedResults->setChecked(false);
    c().lstVol07ExcludeFolderList->AddItem("D:\\X");
    desktop->ExpectBox("0236", Answer::No);
    c().btnVol07ClearAll->click();
    EXPECT_EQ(IncludeLines(), (Lines{"D:\\A"}));

    ExpectBoxes({"0236?", "0237"});
    c().btnVol07ClearAll->click();
    EXPECT_EQ(desktop->LastBox().caption,
              "Delete Foldere(s).-From a Folder List.           Warning no: 0237.");
    EXPECT_EQ(desktop->LastBox().text, "End of the CLEAR FIELDS process !!!\n");
    EXPECT_EQ(IncludeLines(), Lines{});
    EXPECT_EQ(ExcludeLines(), Lines{});
    EXPECT_TRUE(c().rdoVol07DeleteCompleteFolders->isChecked());
    EXPECT_TRUE(c().chkVol07DeleteDoubleConfirm->isChecked());
    EXPECT_TRUE(c().chkVol07ShowDetailedResults->isChecked());
    EXPECT_FALSE(c().rdoVol07DeleteCompleteFolders->isEnabled());
    EXPECT_FALSE(c().btnVol07DeleteFolders->isEnabled());
    EXPECT_EQ(ToDelete(), (Lines{"0", "0", "0"}));
    // No method radio is on show to give the import button back.
    EXPECT_TRUE(c().btnVol07SmartImport->isEnabled());
}

TEST_F(DeletePageListsTest, ViewSelectedOpensOnlyAnExistingFolder) {
    sandbox->MakeFolder("D:\\Folder");
    sandbox->MakeFile("D:\\run.sh", "echo");
    c().lstVol07IncludeFolderList->AddItems({"D:\\Folder", "D:\\run.sh", "D:\\Gone"});
    desktop->ExpectBox("0306");
    c().btnVol07IncludeFolderListView->click();
    for (int row : {1, 2}) {
        c().lstVol07IncludeFolderList->SetItemIndex(row);
        desktop->ExpectBox("0245");
        c().btnVol07IncludeFolderListView->click();
    }
    EXPECT_EQ(desktop->LastBox().caption,
              "Delete Folder(s).-From a Folder List.            Warning no: 0245.");
    EXPECT_TRUE(desktop->ShellOpens().empty());
    c().lstVol07IncludeFolderList->SetItemIndex(0);
    c().btnVol07IncludeFolderListView->click();
    EXPECT_EQ(desktop->ShellOpens(), (Lines{"D:\\Folder"}));
}

TEST_F(DeletePageListsTest, TheSelectFilesHintComesOncePerFileMode) {
    sandbox->MakeFolder("D:\\A");
    Include({"D:\\A"}, DeleteMode::Subfolders);
    ClickEachFilesModeTwice({c().rdoVol07DeleteOnlyFiles, c().rdoVol07DeleteOnlyFilesInMainFolder}, "0237");
    EXPECT_EQ(desktop->LastBox().caption,
              "Delete Foldere(s).-From a Folder List.           Warning no: 0237.");
    EXPECT_TRUE(c().btnVol07FileSelection->isEnabled());
    c().rdoVol07DeleteSubFolders->click();
    EXPECT_FALSE(c().btnVol07FileSelection->isEnabled());
    // Back from a mode without files: no second hint.
    c().rdoVol07DeleteOnlyFiles->click();
    EXPECT_EQ(desktop->BoxNumbers(), (Lines{"0237", "0237"}));
    EXPECT_TRUE(desktop->AllUsed());
}

TEST_F(DeletePageListsTest, ExcludeListBoxesAndTheRefreshAfterThem) {
    sandbox->MakeFile("D:\\A\\B\\x.txt", "x");
    c().lstVol07IncludeFolderList->AddItem("D:\\A");
    desktop->ExpectBox("0234");
    c().btnVol07DeleteFromExcludeList->click();
    // Delete All on an empty list warns, and the refresh still recounts.
    desktop->ExpectBox("0522");
    c().btnVol07DeleteExcludeAll->click();
    EXPECT_EQ(desktop->LastBox().caption,
              "Delete Folder(s).-From a Folder List - Level.            Warning no: 0522.");
    EXPECT_EQ(ToDelete(), (Lines{"1", "1", "1"}));
    c().lstVol07ExcludeFolderList->AddItems({"D:\\X", "D:\\Y"});
    c().lstVol07ExcludeFolderList->SetSelected(0, true);
    desktop->ExpectBox("0233", Answer::Yes);
    c().btnVol07DeleteFromExcludeList->click();
    EXPECT_EQ(ExcludeLines(), (Lines{"D:\\Y"}));
    desktop->ExpectBox("0523", Answer::Yes);
    c().btnVol07DeleteExcludeAll->click();
    EXPECT_EQ(ExcludeLines(), Lines{});
    EXPECT_TRUE(desktop->AllUsed());
}

TEST_F(DeletePageListsTest, TheLevelBuilderAndTheEditorFillTheIncludeList) {
    sandbox->MakeFolder("D:\\Root\\A\\B");
    sandbox->MakeFolder("D:\\Root\\C");
    c().lstVol07ExcludeFolderList->AddItem("D:\\Root\\C");
    page->LevelBuilder().SelectLevelRootFolder("D:\\Root");
    c().btnVol07MakeList->click();
    EXPECT_EQ(IncludeLines(), (Lines{"D:\\Root\\A"}));
    EXPECT_EQ(ToDelete(), (Lines{"1", "0", "0"}));

    desktop->ExpectModal("frmVol07EditIncludeList", [](ui::Form& form) {
        auto& editor = static_cast<TfrmVol07EditIncludeList&>(form);
        editor.Controls().mmoVol07EditIncludeList->setPlainText(
            "D:\\A\n  D:\\A  \n\nd:\\a\nD:\\Root\\C\nD:\\Root");
        editor.Controls().btnVol07EditIncludeListOk->click();
    });
    c().btnVol07EditIncludeList->click();
    EXPECT_EQ(IncludeLines(), (Lines{"D:\\A", "D:\\Root"}));
    EXPECT_EQ(ToDelete(), (Lines{"3", "0", "0"}));
}

TEST_F(DeletePageListsTest, ExchangeKeepsEveryLineEachListInItsOrder) {
    sandbox->MakeFile("D:\\One\\x.txt", "xyz");
    struct Case {
        const char* name;
        Lines include;
        Lines exclude;
        bool refused; // warning 0334 for a drive that stays behind
        Lines includeAfter;
        Lines excludeAfter;
    };
    const Case cases[] = {
        {"plain exchange", {"D:\\Two"}, {"D:\\One", "D:\\Four"}, false, {"D:\\One", "D:\\Four"}, {"D:\\Two"}},
        {"a drive stays in the Exclude list",
         {"D:\\Two", "D:\\Three"},
         {"D:\\One", "D:\\", "D:\\Four"},
         true,
         {"D:\\One", "D:\\Four"},
         {"D:\\Two", "D:\\Three", "D:\\"}},
        {"an empty Include list", {}, {"C:", "D:\\One"}, true, {"D:\\One"}, {"C:"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        c().lstVol07IncludeFolderList->Clear();
        c().lstVol07ExcludeFolderList->Clear();
        c().lstVol07IncludeFolderList->AddItems(test.include);
        c().lstVol07ExcludeFolderList->AddItems(test.exclude);
        if (test.refused)
            desktop->ExpectBox("0334");
        c().btnVol07ExchangeIncExc->click();
        EXPECT_TRUE(desktop->AllUsed());
        EXPECT_EQ(IncludeLines(), test.includeAfter);
        EXPECT_EQ(ExcludeLines(), test.excludeAfter);
        EXPECT_EQ(c().lblVol07IncludeSum->text().toStdString(), std::to_string(test.includeAfter.size()));
        EXPECT_EQ(c().lblVol07ExcludeSum->text().toStdString(), std::to_string(test.excludeAfter.size()));
        // The pre-count follows the new Include list (D:\One holds 3 bytes).
        EXPECT_EQ(ToDelete(), (Lines{"0", "1", "3"}));
    }
}

TEST_F(DeletePageListsTest, ARefusedMoveBackStillCountsWhatMoved) {
    sandbox->MakeFile("D:\\One\\x.txt", "xyz");
    c().lstVol07ExcludeFolderList->AddItems({"D:\\One", "D:\\", "D:\\Three"});
    page->RefreshVol07Page();
    EXPECT_EQ(c().lblVol07IncludeSum->text().toStdString(), "0");
    c().lstVol07ExcludeFolderList->SelectAll();
    desktop->ExpectBox("0334");
    c().btnVol07ExcToInc->click();
    EXPECT_TRUE(desktop->AllUsed());
    EXPECT_EQ(IncludeLines(), (Lines{"D:\\One"}));
    EXPECT_EQ(c().lblVol07IncludeSum->text().toStdString(), "1");
    EXPECT_EQ(c().lblVol07ExcludeSum->text().toStdString(), "3");
    // What a run would delete is what the Include list now shows.
    EXPECT_EQ(ToDelete(), (Lines{"0", "1", "3"}));
    EXPECT_TRUE(c().btnVol07DeleteFolders->isEnabled());
}
