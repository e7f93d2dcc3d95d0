// The copy page: the pre-count with its free-space check per file system, the
// copy run and its simulation in each attach mode, and Undo, on a sandbox tree.

#include "ui_TfrmStatistic08.h"
#include "ui_TfrmVol08EditIncludeList.h"
#include "ui_Vol08CopyPage.h"

#include "CopyPageFixture.h"

#include "manage/copy/TfrmVol08EditIncludeList.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

using namespace copytests;

namespace {

TEST_F(CopyPageTest, PreCountCountsTopLevelFoldersAndTheStructuresPerMode) {
    sandbox->MakeFolder("C:\\A\\B");
    Include({"C:\\A", "C:\\A\\B"});
    Structure("D:\\S");
    const ModeRow cases[] = {
        {controls().rdoVol08AttachMainFolderWithFiles, {1, 3, 3, 300}},
        {controls().rdoVol08AttachSubFoldersOnlyWithFiles, {1, 2, 3, 300}},
        {controls().rdoVol08AttachMainFolderWithoutFiles, {1, 3, 0, 0}},
        {controls().rdoVol08AttachSubFoldersOnlyWithoutFiles, {1, 2, 0, 0}},
    };
    for (const ModeRow& c : cases) {
        Mode(c.mode);
        Refresh();
        EXPECT_EQ(Row(page->CopyCounters().ToCreate), c.row) << c.mode->objectName().toStdString();
    }
    EXPECT_EQ(controls().lblVol08FileSizeToCopy->text().toStdString(), "0");
    EXPECT_TRUE(controls().btnVol08CopyFolders->isEnabled());
}

// Two lines on one file system share its free space however their drives are
// written; a need equal to the free space passes.
TEST_F(CopyPageTest, FreeSpaceIsSummedPerFileSystem) {
    sandbox->MakeFolder("C:\\a");
    sandbox->MakeFolder("C:\\b");
    Include({"c:\\a", "C:\\b", "NoDrive"});
    Structure("D:\\S");
    Mode(controls().rdoVol08AttachMainFolderWithFiles);

    platform::SetFreeSpaceOverride('C', 600);
    Refresh();
    EXPECT_EQ(page->CopyCounters().ToCreate.FilesSize, 600);
    ASSERT_EQ(page->SumVol08DriveNeeds().size(), 1u);
    EXPECT_EQ(page->SumVol08DriveNeeds()[0].bytes, 600u);

    platform::SetFreeSpaceOverride('C', 599);
    desktop->ExpectBox("0177");
    Refresh();
    EXPECT_NE(desktop->LastBox().text.find("The free space on the disk C:\\ is : "), std::string::npos);
    EXPECT_EQ(Row(page->CopyCounters().ToCreate), (std::vector<double>{0, 0, 0, 0}));
}

TEST_F(CopyPageTest, EachModeCopiesWhatTheExamplesShow) {
    struct Case {
        QRadioButton* mode;
        std::map<std::string, long long> tree;
    };
    const Case cases[] = {
        {controls().rdoVol08AttachMainFolderWithFiles,
         {{"T", -1},
          {"T/S", -1},
          {"T/S/a.txt", 100},
          {"T/S/X", -1},
          {"T/S/X/b.txt", 100},
          {"T/S/X/Y", -1},
          {"T/S/X/Y/c.doc", 100}}},
        {controls().rdoVol08AttachMainFolderWithoutFiles,
         {{"T", -1}, {"T/S", -1}, {"T/S/X", -1}, {"T/S/X/Y", -1}}},
        {controls().rdoVol08AttachSubFoldersOnlyWithFiles,
         {{"T", -1}, {"T/a.txt", 100}, {"T/X", -1}, {"T/X/b.txt", 100}, {"T/X/Y", -1}, {"T/X/Y/c.doc", 100}}},
        {controls().rdoVol08AttachSubFoldersOnlyWithoutFiles, {{"T", -1}, {"T/X", -1}, {"T/X/Y", -1}}},
    };
    Include({"C:\\T", "C:\\Missing"});
    Structure("D:\\S");
    for (const Case& c : cases) {
        std::filesystem::remove_all(sandbox->Host("C:\\T"));
        sandbox->MakeFolder("C:\\T");
        Mode(c.mode);
        Refresh();
        Simulate();
        const CreationCounters simulated = page->CopyCounters();
        EXPECT_EQ(Tree(), (std::map<std::string, long long>{{"T", -1}}));
        Copy();
        EXPECT_EQ(Tree(), c.tree) << c.mode->objectName().toStdString();
        const CreationCounters& run = page->CopyCounters();
        EXPECT_EQ(Row(run.Created), Row(simulated.Created));
        EXPECT_EQ(Row(run.Exists), Row(simulated.Exists));
        EXPECT_EQ(Row(run.Other), Row(simulated.Other));
        EXPECT_EQ(run.Other.Folders, 1); // C:\Missing does not exist
        EXPECT_EQ(frmStatistic08->Controls().lstStat08FoldersNotExists->Items(), Lines{"C:\\Missing"});
    }
}

TEST_F(CopyPageTest, OnlyTheSelectedFilesAreCopiedAndASecondRunFindsThemThere) {
    SetFileNamePatternList({"*.txt"});
    sandbox->MakeFolder("C:\\T");
    Plan({"C:\\T"}, "D:\\S", controls().rdoVol08AttachSubFoldersOnlyWithFiles);
    EXPECT_EQ(Row(page->CopyCounters().ToCreate), (std::vector<double>{1, 2, 2, 200}));
    Copy();
    EXPECT_FALSE(sandbox->Exists("C:\\T\\X\\Y\\c.doc"));
    EXPECT_EQ(Row(page->CopyCounters().Created), (std::vector<double>{1, 2, 2, 200}));
    Copy();
    EXPECT_EQ(Row(page->CopyCounters().Created), (std::vector<double>{1, 0, 0, 0}));
    EXPECT_EQ(Row(page->CopyCounters().Exists), (std::vector<double>{0, 2, 2, 200}));
    EXPECT_EQ(frmStatistic08->Controls().lstStat08FilesExists->Items(),
              (Lines{"C:\\T\\a.txt", "C:\\T\\X\\b.txt"}));
}

// Files copied into folders that were there before are undone too; a second
// run's Undo leaves the first run's files; a file that went with its folder is
// not reported; an entry replaced since the run is named and left.
TEST_F(CopyPageTest, UndoTakesBackExactlyWhatTheLastRunAdded) {
    sandbox->MakeFolder("C:\\T\\S\\X");
    Plan({"C:\\T"}, "D:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    Copy();
    EXPECT_EQ(page->CopyUndoFolders(), (std::deque<std::string>{"C:\\T\\S\\X\\Y"}));
    EXPECT_EQ(page->CopyUndoFiles(), (std::deque<std::string>{"C:\\T\\S\\a.txt", "C:\\T\\S\\X\\b.txt"}));
    Undo();
    EXPECT_EQ(Tree(), (std::map<std::string, long long>{{"T", -1}, {"T/S", -1}, {"T/S/X", -1}}));

    // First run copies a.txt; the person adds b.doc to the structure; the
    // second run adds only b.doc, and its Undo leaves a.txt.
    Copy();
    sandbox->MakeFile("D:\\S\\new.txt", "n");
    Refresh();
    Copy();
    EXPECT_EQ(page->CopyUndoFiles(), std::deque<std::string>{"C:\\T\\S\\new.txt"});
    Undo();
    EXPECT_TRUE(sandbox->Exists("C:\\T\\S\\a.txt"));
    EXPECT_FALSE(sandbox->Exists("C:\\T\\S\\new.txt"));

    // The person replaces a copied file before the Undo (the copy moved
    // aside, so the new file cannot reuse its number): it is named, and kept.
    Copy();
    std::filesystem::rename(sandbox->Host("C:\\T\\S\\new.txt"), sandbox->Host("C:\\T\\S\\moved.txt"));
    sandbox->MakeFile("C:\\T\\S\\new.txt", "the person's own");
    Undo({"0291?", "0292", "0293"});
    EXPECT_EQ(
        desktop->Boxes()[desktop->Boxes().size() - 2].text,
        "The program is unable to delete the following folders (and their contents), and/or separate files "
        ": \n\nOTHER REASONS   : \n\nC:\\T\\S\\new.txt\n");
    EXPECT_EQ(sandbox->Read("C:\\T\\S\\new.txt"), "the person's own");

    // Nothing recorded any more, and Clear Fields leaves nothing to undo.
    desktop->ExpectBox("0290");
    controls().btnVol08Undo->click();
}

// Mended: a folder deleted and made anew under the same name often gets the
// old inode back, which passed for the folder the run made.
TEST_F(CopyPageTest, UndoLeavesAFolderThePersonMadeAnewUnderTheSameName) {
    sandbox->MakeFolder("C:\\T");
    Plan({"C:\\T"}, "D:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    Copy();
    ASSERT_EQ(page->CopyUndoFolders().front(), "C:\\T\\S");
    std::filesystem::remove_all(sandbox->Host("C:\\T\\S"));
    sandbox->MakeFile("C:\\T\\S\\own.txt", "own");
    Undo({"0291?", "0292", "0293"});
    EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].text,
              "The program is unable to delete the following folders (and their contents), and/or separate "
              "files : \n\nOTHER REASONS   : \n\nC:\\T\\S\n");
    EXPECT_EQ(sandbox->Read("C:\\T\\S\\own.txt"), "own");
}

// Mended: a link put in a created folder's place was removed without a word.
TEST_F(CopyPageTest, UndoLeavesAndNamesALinkInACreatedFoldersPlace) {
    sandbox->MakeFolder("C:\\T");
    Plan({"C:\\T"}, "D:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    Copy();
    std::filesystem::rename(sandbox->Host("C:\\T\\S"), sandbox->Host("C:\\Kept"));
    std::filesystem::create_directory_symlink(sandbox->Host("C:\\Kept"), sandbox->Host("C:\\T\\S"));
    Undo({"0291?", "0292", "0293"});
    // The folders the run made below it are now reached through the link:
    // left and named as well.
    EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].text,
              "The program is unable to delete the following folders (and their contents), and/or separate "
              "files : \n\nOTHER REASONS   : \n\nC:\\T\\S\nC:\\T\\S\\X\nC:\\T\\S\\X\\Y\n");
    EXPECT_TRUE(std::filesystem::is_symlink(sandbox->Host("C:\\T\\S")));
    EXPECT_TRUE(sandbox->Exists("C:\\Kept\\a.txt"));
    EXPECT_TRUE(sandbox->Exists("C:\\Kept\\X\\Y\\c.doc"));
}

// Mended: a copied link to nothing had no identity, so Undo left it on disk
// and named it.
TEST_F(CopyPageTest, UndoRemovesACopiedDanglingLink) {
    std::filesystem::create_symlink(sandbox->Host("D:\\Nowhere"), sandbox->Host("D:\\S\\dangling"));
    sandbox->MakeFolder("C:\\T\\S");
    Plan({"C:\\T"}, "D:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    Copy();
    ASSERT_TRUE(std::filesystem::is_symlink(sandbox->Host("C:\\T\\S\\dangling")));
    Undo();
    EXPECT_FALSE(std::filesystem::is_symlink(sandbox->Host("C:\\T\\S\\dangling")));
    EXPECT_FALSE(sandbox->Exists("C:\\T\\S\\a.txt"));
}

// A file the person edited in place after the run is the person's now.
TEST_F(CopyPageTest, UndoLeavesAndNamesACopiedFileEditedSince) {
    sandbox->MakeFolder("C:\\T\\S");
    Plan({"C:\\T"}, "D:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    Copy();
    std::ofstream(sandbox->Host("C:\\T\\S\\a.txt"), std::ios::app) << " and the person's notes";
    Undo({"0291?", "0292", "0293"});
    EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].text,
              "The program is unable to delete the following folders (and their contents), and/or separate "
              "files : \n\nOTHER REASONS   : \n\nC:\\T\\S\\a.txt\n");
    EXPECT_EQ(sandbox->Read("C:\\T\\S\\a.txt"), std::string(100, 'a') + " and the person's notes");
    EXPECT_FALSE(sandbox->Exists("C:\\T\\S\\X\\b.txt"));
}

TEST_F(CopyPageTest, ClearFieldsEmptiesBothUndoLists) {
    sandbox->MakeFolder("C:\\T\\S");
    Plan({"C:\\T"}, "D:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    Copy();
    ASSERT_FALSE(page->CopyUndoFiles().empty());
    ExpectBoxes({"0287?", "0288"});
    controls().btnVol08ClearAll->click();
    EXPECT_TRUE(page->CopyUndoFolders().empty());
    EXPECT_TRUE(page->CopyUndoFiles().empty());
    EXPECT_FALSE(controls().btnVol08Undo->isEnabled());
    desktop->ExpectBox("0290");
    page->btnVol08UndoClick();
    EXPECT_TRUE(sandbox->Exists("C:\\T\\S\\a.txt"));
}

TEST_F(CopyPageTest, ViewSelectedOpensOnlyAFolder) {
    sandbox->MakeFile("C:\\file.txt", "x");
    sandbox->MakeFolder("C:\\T");
    Include({"C:\\file.txt", "C:\\T"});
    controls().lstVol08IncludeFolderList->SetItemIndex(0);
    desktop->ExpectMessage("The folder doesn't exist : C:\\file.txt");
    controls().btnVol08IncludeFolderListView->click();
    controls().lstVol08IncludeFolderList->SetItemIndex(1);
    controls().btnVol08IncludeFolderListView->click();
    EXPECT_EQ(desktop->ShellOpens(), Lines{"C:\\T"});
}

// A file of the structure's name where its folder would go: nothing of the
// structure is copied, all of it is counted as not copied, alike in the
// simulation and the run, and the end box warns.
TEST_F(CopyPageTest, AFileInPlaceOfTheStructureFolderCountsTheStructureAsNotCopied) {
    sandbox->MakeFile("C:\\T\\S", "the person's own");
    Include({"C:\\T"});
    Structure("D:\\S");
    // The row of what could not be copied.
    const ModeRow cases[] = {
        {controls().rdoVol08AttachMainFolderWithFiles, {0, 3, 3, 300}},
        {controls().rdoVol08AttachMainFolderWithoutFiles, {0, 3, 0, 0}},
    };
    for (const ModeRow& c : cases) {
        Mode(c.mode);
        Refresh();
        Simulate();
        EXPECT_EQ(Row(page->CopyCounters().Other), c.row) << c.mode->objectName().toStdString();
        Copy();
        EXPECT_EQ(Row(page->CopyCounters().Other), c.row) << c.mode->objectName().toStdString();
        EXPECT_EQ(Row(page->CopyCounters().Exists), (std::vector<double>{0, 0, 0, 0}));
        EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Warning);
        EXPECT_EQ(desktop->LastBox().text.substr(desktop->LastBox().text.find('\n')),
                  "\n3 subfolder(s) and " + std::to_string(static_cast<int>(c.row[2])) +
                      " file(s) could not be copied.\nC:\\T\\S");
        EXPECT_EQ(sandbox->Read("C:\\T\\S"), "the person's own");
        EXPECT_TRUE(page->CopyUndoFolders().empty());
    }
}

// The page's four level up-downs run round: below 1 comes the highest level,
// above it comes 1.
TEST_F(CopyPageTest, LevelUpDownsRunRound) {
    page->LevelBuilder().EnableLevelNumberControls(true);
    const std::string highest = std::to_string(LevelListBuilder::MaxLevel);
    const std::pair<QWidget*, QLineEdit*> upDowns[] = {
        {controls().udVol08FromLevelNumber, controls().edtVol08FromLevelNumber},
        {controls().udVol08ToLevelNumber, controls().edtVol08ToLevelNumber},
        {controls().udVol08AboveLevelNumber, controls().edtVol08AboveLevelNumber},
        {controls().udVol08BelowLevelNumber, controls().edtVol08BelowLevelNumber},
    };
    for (const auto& [upDown, edit] : upDowns) {
        const QList<QToolButton*> arrows = upDown->findChildren<QToolButton*>();
        ASSERT_EQ(arrows.size(), 2);
        edit->setText("1");
        arrows[1]->click();
        EXPECT_EQ(edit->text().toStdString(), highest) << upDown->objectName().toStdString();
        arrows[0]->click();
        EXPECT_EQ(edit->text().toStdString(), "1") << upDown->objectName().toStdString();
    }
}

// The boxes of the attach modes and the structure list, each answered by number.
TEST_F(CopyPageTest, ModeAndStructureBoxes) {
    sandbox->MakeFolder("C:\\T");
    Include({"C:\\T"});
    Refresh();
    EXPECT_FALSE(controls().btnVol08CopyFolders->isEnabled()); // no structure yet

    // Each with-files radio gives its hint once.
    ClickEachFilesModeTwice(
        {controls().rdoVol08AttachMainFolderWithFiles, controls().rdoVol08AttachSubFoldersOnlyWithFiles},
        "0277");
    EXPECT_EQ(desktop->LastBox().caption,
              "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: 0277.");
    EXPECT_TRUE(controls().btnVol08FileSelection->isEnabled());
    controls().rdoVol08AttachMainFolderWithoutFiles->click();
    EXPECT_FALSE(controls().btnVol08FileSelection->isEnabled());

    desktop->ExpectBox("0280");
    controls().btnVol08ViewFolderStructure->click();

    // A whole drive is asked about first; a structure listed in other letter
    // case is not added again.
    desktop->ExpectBrowse("D:\\");
    desktop->ExpectBox("0330", Answer::No);
    controls().btnVol08AddFolderStructure->click();
    EXPECT_EQ(controls().lstVol08AddFolderStructure->Count(), 0);
    desktop->ExpectBrowse("D:\\S");
    controls().btnVol08AddFolderStructure->click();
    desktop->ExpectBrowse("d:\\s");
    controls().btnVol08AddFolderStructure->click();
    EXPECT_EQ(controls().lstVol08AddFolderStructure->Items(), Lines{"D:\\S"});
    EXPECT_EQ(Row(page->CopyCounters().ToCreate), (std::vector<double>{1, 3, 0, 0}));
    EXPECT_TRUE(controls().btnVol08CopyFolders->isEnabled());

    controls().lstVol08AddFolderStructure->item(0)->setSelected(true);
    desktop->ExpectBox("0281", Answer::No);
    controls().btnVol08RemoveFolderStructure->click();
    EXPECT_EQ(controls().lstVol08AddFolderStructure->Count(), 1);
    desktop->ExpectBox("0281", Answer::Yes);
    controls().btnVol08RemoveFolderStructure->click();
    EXPECT_EQ(controls().lstVol08AddFolderStructure->Count(), 0);
    EXPECT_EQ(Row(page->CopyCounters().ToCreate), (std::vector<double>{1, 0, 0, 0}));
    EXPECT_FALSE(controls().btnVol08CopyFolders->isEnabled());
    EXPECT_TRUE(desktop->AllUsed());
}

// The editor's lines come back as the memo holds them, each once outside the
// Exclude list; Cancel leaves the list as it was.
TEST_F(CopyPageTest, EditorTakesItsLinesOnOkOnly) {
    Include({"C:\\Keep"});
    controls().lstVol08ExcludeFolderList->AddItem("C:\\Out");
    Ui::TfrmVol08EditIncludeList& editor = frmVol08EditIncludeList->Controls();
    const auto edit = [&](const char* text, QAbstractButton* button) {
        desktop->ExpectModal("frmVol08EditIncludeList", [&](ui::Form&) {
            editor.mmoVol08EditIncludeList->setPlainText(text);
            button->click();
        });
        controls().btnVol08EditIncludeList->click();
    };
    edit("C:\\B\n c:\\b \n\nC:\\out\nC:\\A", editor.btnVol08EditIncludeListOk);
    EXPECT_EQ(controls().lstVol08IncludeFolderList->Items(), (Lines{"C:\\B", "C:\\A"}));
    EXPECT_EQ(controls().lblVol08IncludeSum->text().toStdString(), "2");
    edit("C:\\Other", editor.btnVol08EditIncludeListCancel);
    EXPECT_EQ(controls().lstVol08IncludeFolderList->Items(), (Lines{"C:\\B", "C:\\A"}));
    EXPECT_TRUE(editor.mmoVol08EditIncludeList->toPlainText().isEmpty());
    EXPECT_TRUE(desktop->AllUsed());
}

// The boxes of the lists and the list files, each answered by number.
TEST_F(CopyPageTest, ListBoxesAndListFiles) {
    sandbox->MakeFolder("C:\\T");
    desktop->ExpectBox("0277");
    controls().btnVol08DeleteExcludeList->click();
    EXPECT_EQ(desktop->LastBox().text,
              "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER "
              "to the EXCLUDE list to delete it.\n");
    desktop->ExpectBox("0560");
    controls().btnVol08SmartExport->click();
    desktop->ExpectBox("0278");
    controls().btnVol08IncludeFolderListView->click();
    desktop->ExpectBrowse("");
    desktop->ExpectBox("0262");
    controls().btnVol08AddFolderToList->click();
    desktop->ExpectBrowse("C:\\T");
    controls().btnVol08AddFolderToList->click();
    desktop->ExpectBrowse("c:\\t");
    desktop->ExpectBox("0263");
    controls().btnVol08AddFolderToList->click();

    // Loading: a line already listed is told, the first line without a drive
    // is asked about and later ones skipped, a drive that is not there is
    // skipped, an Exclude line is told.
    controls().lstVol08ExcludeFolderList->AddItem("C:\\Kept");
    LoadListFile("c:\\t\n  C:\\U  \nNoDrive\nOther\nX:\\Gone\nC:\\Kept\n", "0270", {"0274", "0272?", "0273"});
    EXPECT_EQ(controls().lstVol08IncludeFolderList->Items(), (Lines{"C:\\T", "C:\\U"}));
    EXPECT_EQ(controls().lblVol08IncludeSum->text().toStdString(), "2");
    const std::vector<std::string> numbers = desktop->BoxNumbers();
    const size_t at = std::find(numbers.begin(), numbers.end(), "0272") - numbers.begin();
    ASSERT_LT(at, numbers.size());
    EXPECT_EQ(desktop->Boxes()[at].caption,
              "Copy Folder Structure(s).-From a Folder List - Level.             Warning no: 0272.");

    controls().lstVol08IncludeFolderList->AddItem("NoDrive");
    desktop->ExpectSaveFile("D:\\saved.txt");
    desktop->ExpectMessage("End of the saving process.");
    controls().btnVol08SaveTo->click();
    EXPECT_EQ(sandbox->Read("D:\\saved.txt"), "C:\\T\nC:\\U\n");
    EXPECT_TRUE(desktop->AllUsed());
}

} // namespace
