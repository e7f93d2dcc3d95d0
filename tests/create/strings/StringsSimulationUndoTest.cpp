// The strings page's simulation (counts, lists and creates nothing) and Undo
// (empties and removes exactly the folders the last real run created).

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "runs/AttachWalk.h"

#include <filesystem>

using namespace createtests;
using ui::Answer;

namespace {
const std::string Title = "Creating Folder(s).-From a String List.            ";
const std::string SimulationTitle = "Simulate Creating Folder(s).-From a String List.            ";
} // namespace

TEST_F(StringsPageTest, SimulationAfterARunCreatesNothingAndKeepsTheUndoList) {
    sandbox->MakeFile("D:\\S\\f.txt", "12345");
    sandbox->MakeFolder("D:\\S\\sub");
    Plan("D:\\Work", {"a", "b"});
    CreateToTheEnd();
    std::map<std::string, long long> before = Tree();

    AddItems({"c", "D:\\Data\\New"});
    AddStructure("D:\\S");
    Choose(controls().rdoVol02AttachMainFolderWithFiles);
    SimulateToTheEnd();

    EXPECT_EQ(Tree(), before);
    EXPECT_EQ(Items(page->ResultLists().Created.Folders), (Lines{"D:\\Work\\a", "D:\\Work\\b"}));
    EXPECT_EQ(stat().lstStat02FoldersExists->Items(), (Lines{"D:\\Work\\a", "D:\\Work\\b"}));
    EXPECT_EQ(stat().lstStat02FoldersCreated->Items(), Lines{"D:\\Work\\c"});
    EXPECT_EQ(stat().lstStat02FoldersOther->Items(), Lines{"D:\\Data\\New"});
    EXPECT_EQ(stat().lstStat02SubFoldersCreated->Items(), (Lines{"D:\\Work\\c\\S", "D:\\Work\\c\\S\\sub"}));
    EXPECT_EQ(stat().lstStat02FilesCreated->Items(), Lines{"D:\\Work\\c\\S\\f.txt"});
    const CreationCounters& c = page->Counters();
    EXPECT_EQ(c.Created.Folders, 1);
    EXPECT_EQ(c.Created.SubFolders, 2);
    EXPECT_EQ(c.Created.FilesSize, 5);
    EXPECT_EQ(c.Exists.Folders, 2);
    // An existing folder carries the load it would have had, as in the run.
    EXPECT_EQ(c.Exists.SubFolders, 4);
    EXPECT_EQ(c.Exists.FilesSize, 10);
    EXPECT_EQ(c.Other.Folders, 1);
    EXPECT_EQ(c.Other.SubFolders, 2);
    EXPECT_EQ(c.Other.FilesSize, 5);
    EXPECT_FALSE(stat().chkStat02NormalSimulate->isChecked());
    EXPECT_EQ(stat().lblVol02NormalSimulate->text().toStdString(),
              "Simulate the Folder/File Creation Process.");
    EXPECT_EQ(desktop->Boxes()[2].caption, SimulationTitle + "Information no: 0455.");
    EXPECT_EQ(desktop->Boxes()[2].text, main.Texts().CreateSimulationIntroText);
    EXPECT_EQ(desktop->Boxes()[3].text,
              main.Texts().CreateSimulationEndText +
                  "\n\nNot created (other reasons) : 2 subfolder(s) and 1 file(s) of the folder structures.");
    EXPECT_EQ(desktop->Boxes()[3].icon, ui::Icon::Warning);
    EXPECT_EQ(desktop->disabledDuringBox[3],
              (std::set<std::string>{"tabFolderCreate05", "tabFolderCreate04", "tabFolderCreate01"}));

    // Undo still removes the folders of the real run.
    ExpectBoxes({"0029?", "0031"});
    Undo();
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\a"));
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\b"));
    EXPECT_TRUE(sandbox->Exists("D:\\Work"));
}

TEST_F(StringsPageTest, SimulationChecksMirrorTheRun) {
    SetDestination("D:\\Work");
    Choose(controls().rdoVol02AttachSubFoldersOnlyWithoutFiles);
    desktop->ExpectBox("0453");
    Simulate();
    AddStructure("D:\\Gone");
    desktop->ExpectBox("0454");
    Simulate();
    EXPECT_EQ(desktop->LastBox().text,
              "The folder doesn't exist : D:\\Gone\nAction : Please enter or select an existing folder.");
    Choose(controls().rdoVol02AttachNothing);
    ExpectBoxes({"0455?", "0458"});
    Simulate();
    EXPECT_EQ(desktop->LastBox().caption, SimulationTitle + "Warning no: 0458.");
    EXPECT_TRUE(main.Disabled().empty());

    // An item on a drive that is not there, or a name without a destination,
    // is refused as the run refuses it.
    AddItems({"Q:\\x", "y"});
    controls().cboVol02DestFolders->SetItemIndex(-1);
    SimulateToTheEnd();
    EXPECT_EQ(page->Counters().Created.Folders, 0);
    EXPECT_EQ(page->Counters().Other.Folders, 2);
}

TEST_F(StringsPageTest, UndoRemovesTheRunsFoldersAndNamesWhatItCannot) {
    desktop->ExpectBox("0028");
    Undo();
    EXPECT_EQ(desktop->LastBox().caption, Title + "Warning no: 0028.");
    EXPECT_EQ(desktop->LastBox().text,
              "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou "
              "must create at least one folder to UNDO them.");

    sandbox->MakeFile("D:\\S\\f.txt", "f");
    sandbox->MakeFile("D:\\Keep\\precious.txt", "precious");
    Plan("D:\\Work", {"a", "b", "c", "p\\q"}, {"D:\\S"}, controls().rdoVol02AttachMainFolderWithFiles);
    CreateToTheEnd();
    ASSERT_TRUE(sandbox->Exists("D:\\Work\\a\\S\\f.txt"));

    // No keeps everything.
    desktop->ExpectBox("0029", Answer::No);
    Undo();
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\a"));
    EXPECT_EQ(page->ResultLists().Created.Folders.size(), 4u);

    // b is swapped for a link to another folder: emptying it would empty that
    // folder (mended: links are never followed). c is gone already.
    std::filesystem::remove_all(sandbox->Host("D:\\Work\\b"));
    std::filesystem::create_directory_symlink(sandbox->Host("D:\\Keep"), sandbox->Host("D:\\Work\\b"));
    std::filesystem::remove_all(sandbox->Host("D:\\Work\\c"));
    // A link inside a created folder goes with the folder; what it points to stays.
    std::filesystem::create_directory_symlink(sandbox->Host("D:\\Keep"),
                                              sandbox->Host("D:\\Work\\a\\S\\link"));
    ExpectBoxes({"0029?", "0030", "0031"});
    Undo();
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\a"));
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\p\\q"));
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\p")); // a parent made along is not the run's folder
    EXPECT_EQ(sandbox->Read("D:\\Keep\\precious.txt"), "precious");
    const testsupport::ShownBox& box = desktop->Boxes()[desktop->Boxes().size() - 2];
    EXPECT_EQ(box.caption, Title + "Information no: 0030.");
    EXPECT_EQ(box.icon, ui::Icon::Warning);
    EXPECT_EQ(box.text, UndoLeftText({"D:\\Work\\b"}));
    EXPECT_EQ(desktop->LastBox().text, "End of Undo process !!!");
    EXPECT_TRUE(page->ResultLists().Created.Folders.empty());
    EXPECT_EQ(page->Counters().Created.Folders, 0);
    EXPECT_EQ(PageLabel("FoldersCreated"), "0");
    EXPECT_EQ(stat().lstStat02FoldersCreated->Count(), 0);

    desktop->ExpectBox("0028");
    Undo();
}

TEST_F(StringsPageTest, UndoRefusesEntriesThatAreNoFolderOfTheRun) {
    // Mended: an empty entry, one without a drive part or a drive's root is
    // never emptied, however it got into the list.
    sandbox->MakeFile("D:\\keep.txt", "keep");
    sandbox->MakeFile("C:\\rel\\keep.txt", "keep");
    std::deque<std::string>& undo = page->ResultLists().Created.Folders;
    undo = {"", "rel", "D:\\", "d:\\.", "D:\\sub\\.."};
    sandbox->MakeFolder("D:\\sub");
    ExpectBoxes({"0029?", "0030", "0031"});
    Undo();
    EXPECT_EQ(sandbox->Read("D:\\keep.txt"), "keep");
    EXPECT_EQ(sandbox->Read("C:\\rel\\keep.txt"), "keep");
    EXPECT_TRUE(sandbox->Exists("D:\\sub"));
    EXPECT_EQ(desktop->Boxes()[1].text, UndoLeftText({"rel", "D:\\", "d:\\.", "D:\\sub\\.."}));
}
