// The rename page's lists: filled from the tool windows, the level builder and
// by hand, moved, viewed, edited, exported, loaded and cleared.

#include "ui_TfrmFileExport.h"
#include "ui_TfrmFileImport.h"
#include "ui_TfrmStatistic06.h"
#include "ui_TfrmSubFolderListBuilder.h"
#include "ui_TfrmVol06EditIncludeList.h"
#include "ui_Vol06RenamePage.h"

#include "RenamePageFixture.h"

#include "manage/rename/TfrmVol06EditIncludeList.h"
#include "tools/TfrmFileExport.h"
#include "tools/TfrmFileImport.h"
#include "tools/TfrmSubFolderListBuilder.h"

#include <QPlainTextEdit>

using namespace renametests;
using ui::Answer;

namespace {

const std::string T = "Rename Folders. - From a Folder List.            ";
const std::string ListTitle = "Rename Folder(s).-From a Folder List.             ";

} // namespace

TEST_F(RenamePageTest, ToolWindowResultsJoinTheIncludeListOnce) {
    SetLines({"D:\\Data"});
    exclude().AddItem("D:\\Old");
    ui::ListBox& imported = *frmFileImport->Controls().lstFileImportResults;
    imported.Clear();
    imported.AddItems({"D:\\", "d:\\data", "D:\\old", "x", "D:\\New"});
    desktop->ExpectModal("frmFileImport", [](ui::Form& window) { window.SetModalResult(Answer::Ok); });
    Click(controls().btnVol06SmartImport);
    EXPECT_EQ(include().Items(), (Lines{"D:\\Data", "D:\\", "D:\\New"}));
    EXPECT_EQ(Text(controls().lblVol06IncludeSum), "3");

    // Cancelled: nothing joins, the page refreshes. Empty: warning 0389.
    imported.AddItem("D:\\Later");
    desktop->ExpectModal("frmFileImport");
    Click(controls().btnVol06SmartImport);
    EXPECT_EQ(include().Count(), 3);
    imported.Clear();
    desktop->ExpectModal("frmFileImport");
    desktop->ExpectBox("0389");
    Click(controls().btnVol06SmartImport);
    EXPECT_EQ(desktop->LastBox().caption, ListTitle + "Warning no: 0389.");
    EXPECT_EQ(desktop->LastBox().text, "Empty Result List in the File Import Window!\n");

    ui::ListBox& built = *frmSubFolderListBuilder->Controls().lstIncludeFolderList;
    built.Clear();
    desktop->ExpectModal("frmSubFolderListBuilder");
    desktop->ExpectBox("0585");
    Click(controls().btnVol06SubFolderLevelListBuilder);
    EXPECT_EQ(desktop->LastBox().caption, ListTitle + "Warning no: 0585.");
    built.AddItems({"D:\\Data\\A", "D:\\New"});
    desktop->ExpectModal("frmSubFolderListBuilder",
                         [](ui::Form& window) { window.SetModalResult(Answer::Ok); });
    Click(controls().btnVol06SubFolderLevelListBuilder);
    EXPECT_EQ(include().Items(), (Lines{"D:\\Data", "D:\\", "D:\\New", "D:\\Data\\A"}));
    built.Clear();
}

TEST_F(RenamePageTest, FoldersAddedByHandAndByLevel) {
    sandbox->MakeFolder("D:\\Root\\A\\B");
    sandbox->MakeFolder("D:\\Root\\C");
    desktop->ExpectBrowse("D:\\Root\\C");
    Click(controls().btnVol06AddFolderToList);
    EXPECT_EQ(desktop->BrowseTitles().back(), "Select the Folder.");
    desktop->ExpectBrowse("d:\\root\\c");
    desktop->ExpectBox("0185");
    Click(controls().btnVol06AddFolderToList);
    EXPECT_EQ(desktop->LastBox().caption,
              "Rename Folders. - From a Folder List.            Warning no: 0185.");
    desktop->ExpectBrowse("");
    desktop->ExpectBox("0184");
    Click(controls().btnVol06AddFolderToList);
    EXPECT_EQ(desktop->LastBox().caption,
              "Rename Folders - From a Folder List.            Warning no: 0184.");

    // The level builder's controls sit in a hidden group; they work all the same.
    desktop->ExpectBrowse("D:\\Root");
    Click(controls().btnVol06AddDestFolder);
    EXPECT_EQ(desktop->BrowseTitles().back(), "Select the Destination Folder.");
    Type(controls().edtVol06ToLevelNumber, "2");
    Click(controls().btnVol06MakeList);
    EXPECT_EQ(include().Items(), (Lines{"D:\\Root\\C", "D:\\Root\\A\\B"}));
    EXPECT_EQ(PageCounters()[0], "2");
    Type(controls().edtVol06FromLevelNumber, "3");
    desktop->ExpectBox("0189");
    Click(controls().btnVol06MakeList);
    EXPECT_EQ(desktop->LastBox().caption,
              "Rename Folders - From a Folder List - Level.            Warning no: 0189.");
    EXPECT_EQ(desktop->LastBox().text,
              "The From level is greater than the To level !\nAction : You must enter a "
              "From level that is not greater than the To level.");

    // Adding by hand switches the builder off.
    Click(controls().rdoVol06AddToListManually);
    EXPECT_FALSE(controls().cboVol06LevelDestFolder->isEnabled());
    EXPECT_FALSE(controls().btnVol06MakeList->isEnabled());
    EXPECT_FALSE(controls().btnVol06SmartImport->isEnabled());
    EXPECT_TRUE(controls().btnVol06AddFolderToList->isEnabled());
}

TEST_F(RenamePageTest, MovesDropLinesTheOtherListHoldsOrThatHaveNoDrive) {
    SetLines({"D:\\A", "D:\\B", "Work\\C"});
    exclude().AddItem("d:\\b");
    for (int row = 0; row < include().Count(); ++row)
        include().SetSelected(row, true);
    Click(controls().btnVol06IncToExc);
    EXPECT_TRUE(include().Items().empty());
    EXPECT_EQ(exclude().Items(), (Lines{"d:\\b", "D:\\A"}));
    Click(controls().btnVol06ExchangeIncToExc);
    EXPECT_EQ(include().Items(), (Lines{"d:\\b", "D:\\A"}));
    EXPECT_TRUE(exclude().Items().empty());
    Click(controls().btnVol06AllFromInc);
    Click(controls().btnVol06AllFromExc);
    EXPECT_EQ(include().Items(), (Lines{"d:\\b", "D:\\A"}));
    EXPECT_EQ(Text(controls().lblVol06IncludeSum), "2");
    EXPECT_EQ(Text(controls().lblVol06ExcludeSum), "0");

    desktop->ExpectBox("0199");
    Click(controls().btnVol06DeleteFromExcludeList);
    desktop->ExpectBox("0524");
    Click(controls().btnVol06DeleteExcludeAll);
    EXPECT_EQ(desktop->LastBox().caption,
              "Rename Folder(s).-From a Folder List - Level.            Warning no: 0524.");
}

TEST_F(RenamePageTest, ViewSelectedOpensOnlyAFolder) {
    sandbox->MakeFolder("D:\\Work");
    sandbox->MakeFile("D:\\Work\\setup.exe", "MZ");
    SetLines({"D:\\Work\\setup.exe", " D:\\Work ", "D:\\Gone"});
    desktop->ExpectBox("0305");
    Click(controls().btnVol06includeFolderList);
    for (int row : {0, 2}) {
        include().SetItemIndex(row);
        desktop->ExpectBox("0305");
        Click(controls().btnVol06includeFolderList);
    }
    EXPECT_EQ(desktop->LastBox().caption,
              "Rename folders. - From a Folder List.            Warning no: 0305.");
    EXPECT_TRUE(desktop->ShellOpens().empty());
    include().SetItemIndex(1);
    Click(controls().btnVol06includeFolderList);
    EXPECT_EQ(desktop->ShellOpens(), Lines{"D:\\Work"});
}

TEST_F(RenamePageTest, EditorKeepsEachTrimmedLineOnceOutsideTheExcludeList) {
    SetLines({"D:\\Keep"});
    exclude().AddItem("D:\\Excluded");
    Ui::TfrmVol06EditIncludeList& editor = frmVol06EditIncludeList->Controls();
    desktop->ExpectModal("frmVol06EditIncludeList", [&editor](ui::Form&) {
        EXPECT_EQ(editor.mmoVol06EditIncludeList->toPlainText().toStdString(), "D:\\Keep");
        editor.mmoVol06EditIncludeList->setPlainText("D:\\A\n  D:\\A  \n\nd:\\a\nD:\\excluded\nD:\\B");
        EXPECT_EQ(editor.lblVol06EditLinesSum->text(), "5");
        editor.btnVol06EditIncludeListOk->click();
    });
    Click(controls().btnVol06EditIncludeWindow);
    EXPECT_EQ(include().Items(), (Lines{"D:\\A", "D:\\B"}));
    EXPECT_EQ(PageCounters()[0], "2");

    desktop->ExpectModal("frmVol06EditIncludeList", [&editor](ui::Form&) {
        editor.mmoVol06EditIncludeList->setPlainText("D:\\Other");
        editor.btnVol06EditIncludelistCancel->click();
    });
    Click(controls().btnVol06EditIncludeWindow);
    EXPECT_EQ(include().Items(), (Lines{"D:\\A", "D:\\B"}));
    EXPECT_TRUE(editor.mmoVol06EditIncludeList->toPlainText().isEmpty());
}

TEST_F(RenamePageTest, SmartExportsHandOverFolderLinesOrWarn) {
    desktop->ExpectBox("0558");
    controls().btnVol06SmartExport->click();
    EXPECT_EQ(desktop->LastBox().caption, ListTitle + "Warning no: 0558.");

    SetLines({"D:\\A", "Work\\B", "d:\\a"});
    desktop->ExpectModal("frmFileExport");
    Click(controls().btnVol06SmartExport);
    EXPECT_EQ(frmFileExport->Controls().lstFileExportSource->Items(), Lines{"D:\\A"});
    EXPECT_EQ(frmFileExport->ListType(), "FOLDERS");

    struct Export {
        QPushButton* button;
        std::string number;
        std::string text;
    };
    const Export exports[] = {
        {stat().btnStat06SmartExportFoldersRenamed, "0428",
         "The List of Successfully Renamed  Folder Names is empty !\nAction : You must Rename at least one "
         "Folder to use the Smart Export Feature."},
        {stat().btnStat06SmartExportSourceNotExists, "0429",
         "The List of Not Renamed (Source Folders don't exist) Folder Names is empty !\n"},
        {stat().btnStat06SmartExportDestinationExists, "0430",
         "The List of Not Renamed (Destination Folders already exist) Folder Names is empty !\n"},
        {stat().btnStat06SmartExportFoldersOtherReasons, "0431",
         "The List of Not Renamed (Other Reasons) Folder Names is empty !\n"},
    };
    for (const Export& e : exports) {
        desktop->ExpectBox(e.number);
        e.button->click();
        EXPECT_EQ(desktop->LastBox().caption,
                  "Rename Folders -From a Folder List - Level.             Warning no: " + e.number + ".");
        EXPECT_EQ(desktop->LastBox().text, e.text);
    }
}

TEST_F(RenamePageTest, LoadingAsksOnceAboutLinesWithoutDrive) {
    sandbox->MakeFile("D:\\list.txt", "D:\\One\nWork\\Two\n\nD:\\One\nThree\nD:\\Four\n");
    desktop->ExpectOpenFile("D:\\list.txt");
    desktop->ExpectBox("0192", Answer::Yes);
    desktop->ExpectBox("0194", Answer::Yes);
    desktop->ExpectBox("0196");
    desktop->ExpectMessage("End of the loading process.");
    Click(controls().btnVol06LoadFrom);
    EXPECT_EQ(include().Items(), (Lines{"D:\\One", "D:\\Four"}));

    desktop->ExpectOpenFile("D:\\list.txt");
    desktop->ExpectBox("0192", Answer::Yes);
    desktop->ExpectBox("0194", Answer::No);
    Click(controls().btnVol06LoadFrom);
    EXPECT_TRUE(include().Items().empty());

    SetLines({"D:\\One", "Two"});
    desktop->ExpectSaveFile("D:\\saved.txt");
    desktop->ExpectMessage("End of the saving process.");
    Click(controls().btnVol06SaveTo);
    EXPECT_EQ(sandbox->Read("D:\\saved.txt"), "D:\\One\n");
}

TEST_F(RenamePageTest, ClearFieldsReturnsThePageToItsStart) {
    sandbox->MakeFolder("D:\\W\\a");
    SetLines({"D:\\W\\a"});
    Type(controls().edtVol06NewPrefix, "p");
    desktop->ExpectBox("0206", Answer::Yes);
    desktop->ExpectBox("0207");
    Click(controls().btnVol06RenameFolders);
    ASSERT_EQ(page->RenameUndoList.size(), 1u);

    desktop->ExpectBox("0204", Answer::No);
    Click(controls().btnVol06ClearAll);
    EXPECT_EQ(include().Count(), 1);
    desktop->ExpectBox("0204", Answer::Yes);
    desktop->ExpectBox("0205");
    Click(controls().btnVol06ClearAll);
    EXPECT_EQ(desktop->LastBox().caption,
              "Rename Folders. - From a Folder List.           Warning no: 0205.");
    EXPECT_TRUE(include().Items().empty());
    EXPECT_TRUE(page->RenameUndoList.empty());
    EXPECT_EQ(controls().edtVol06NewPrefix->text(), "");
    EXPECT_EQ(PageCounters(), (Lines{"0", "0", "0", "0", "0"}));
    EXPECT_TRUE(controls().rdoVol06MakeListSelector->isChecked());
    EXPECT_FALSE(controls().btnVol06MakeList->isEnabled());
    EXPECT_FALSE(controls().btnVol06RenameFolders->isEnabled());
    // Undo has nothing left to reverse.
    EXPECT_TRUE(sandbox->Exists("D:\\W\\pa"));
}
