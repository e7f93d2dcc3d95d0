// The strings page's fields: destination, prefix and suffix, structures, the
// attach options' planned counters, and the hidden open and save of list files.

#include "ui_TfrmLevelSummFolder.h"
#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsListsFixture.h"

#include "tools/TfrmLevelSummFolder.h"

using namespace createtests;
using ui::Answer;

namespace {

class StringsFieldsTest : public StringsListsTest {
protected:
    // A structure of three folders (its own, a, a\b) and two files of 60 bytes.
    void MakeStructure(const std::string& folder) {
        sandbox->MakeFile(folder + "\\f1.txt", std::string(10, '1'));
        sandbox->MakeFile(folder + "\\a\\b\\f2.txt", std::string(50, '2'));
    }
    void ClickRadio(QRadioButton* radio) {
        ASSERT_TRUE(radio->isEnabled());
        radio->click();
    }
    void BrowseStructure(const std::string& folder) {
        desktop->ExpectBrowse(folder);
        Click(controls().btnVol02AddFolderStructure);
    }
    std::vector<std::string> PlannedInStatistics() {
        return {StatLabel("FoldersToCreate"), StatLabel("SubFoldersToCreate"), StatLabel("FilesToCreate"),
                StatLabel("FilesSizeToCreate")};
    }
    std::string LevelSummaryFolders() {
        return frmLevelSummFolder->findChild<QLabel*>("lblLevelSummFolderSum")->text().toStdString();
    }
};

} // namespace

TEST_F(StringsFieldsTest, DestinationIsSummarisedListedOnceAndViewed) {
    desktop->ExpectBox("0002");
    Click(controls().btnVol02ViewDestFolder);
    EXPECT_EQ(desktop->LastBox().caption, PageTitle + "Warning no: 0002.");
    EXPECT_EQ(desktop->LastBox().text,
              "The selection field is empty !\nAction : You must select a destination folder.");

    sandbox->MakeFolder("D:\\Work\\A\\B");
    ChooseDestination("D:\\Work");
    EXPECT_EQ(desktop->BrowseTitles().back(), "Select the Destination Directory.");
    EXPECT_EQ(LevelSummaryFolders(), "3"); // the destination and its two levels
    EXPECT_EQ(controls().cboVol02DestFolders->Items(), (Lines{"", "D:\\Work"}));
    EXPECT_EQ(controls().cboVol02DestFolders->Text(), "D:\\Work");
    EXPECT_TRUE(controls().btnVol02ViewDestFolder->isEnabled());
    EXPECT_TRUE(controls().btnVol02SmartImport->isEnabled());

    // Chosen again from the list: summarised again, still listed once. With
    // "Subfolders Only" the destination's own folder is not counted.
    controls().rdoVol02AttachSubFoldersOnlyWithoutFiles->setChecked(true);
    desktop->ExpectModal("frmLevelSummFolder");
    emit controls().cboVol02DestFolders->activated(controls().cboVol02DestFolders->currentIndex());
    EXPECT_EQ(LevelSummaryFolders(), "2");
    EXPECT_EQ(controls().cboVol02DestFolders->Count(), 2);
    controls().rdoVol02AttachNothing->setChecked(true);

    Click(controls().btnVol02ViewDestFolder);
    EXPECT_EQ(desktop->ShellOpens(), Lines{"D:\\Work"});

    // Cancelled while a destination is chosen: only the warning.
    desktop->ExpectBrowse("");
    desktop->ExpectBox("0001");
    Click(controls().btnVol02AddDestFolder);
    EXPECT_EQ(desktop->LastBox().text,
              "The selection field is empty !\nAction : You must select a Destination Folder.");
    EXPECT_TRUE(controls().edtVol02AddToList->isEnabled());

    // With the empty entry selected the page turns its controls off again.
    Type("item");
    controls().cboVol02DestFolders->SetItemIndex(0);
    desktop->ExpectBox("0001");
    emit controls().cboVol02DestFolders->activated(controls().cboVol02DestFolders->currentIndex());
    EXPECT_FALSE(controls().edtVol02AddToList->isEnabled());
    EXPECT_FALSE(controls().btnVol02CreateFolders->isEnabled());
}

TEST_F(StringsFieldsTest, PreviewFollowsPrefixSuffixAndHyphen) {
    ChooseDestination("D:\\Work");
    TypeAll({"b", "a"});
    controls().edtVol02Prefix->setText("P");
    controls().edtVol02Suffix->setText("S");
    EXPECT_EQ(controls().lblVol02StartFolder->text().toStdString(), "D:\\Work\\P-a-S");
    EXPECT_EQ(controls().lblVol02EndFolder->text().toStdString(), "D:\\Work\\P-b-S");
    controls().chkVol02Hyphen->click();
    EXPECT_EQ(controls().lblVol02StartFolder->text().toStdString(), "D:\\Work\\PaS");
}

TEST_F(StringsFieldsTest, IllegalPrefixAndSuffixCharactersCostTheLastCharacter) {
    ChooseDestination("D:\\Work");
    Type("x");
    // Typed at the end: that character goes.
    desktop->ExpectBox("0018");
    controls().edtVol02Prefix->setText("ab?");
    EXPECT_EQ(desktop->LastBox().caption, PageTitle + "Warning no: 0018.");
    EXPECT_EQ(desktop->LastBox().text, "Illegal character in the Prefix : ?");
    EXPECT_EQ(controls().edtVol02Prefix->text().toStdString(), "ab");
    EXPECT_EQ(controls().lblVol02StartFolder->text().toStdString(), "D:\\Work\\ab-x");

    // In the middle: the text loses its end, one box per character, until the
    // illegal character is gone.
    ExpectBoxes({"0019", "0019", "0019"});
    controls().edtVol02Suffix->setText("cd\\ef");
    EXPECT_EQ(desktop->LastBox().text, "Illegal character in the Suffix : \\");
    EXPECT_EQ(controls().edtVol02Suffix->text().toStdString(), "cd");
    EXPECT_EQ(controls().lblVol02StartFolder->text().toStdString(), "D:\\Work\\ab-x-cd");

    // Leaving the field checks again, and finds it clean.
    emit controls().edtVol02Prefix->editingFinished();
    EXPECT_TRUE(desktop->AllUsed());
}

TEST_F(StringsFieldsTest, StructuresAreAskedForCheckedAndRemoved) {
    ChooseDestination("D:\\Work");
    Type("x");
    MakeStructure("D:\\S");
    ClickRadio(controls().rdoVol02AttachMainFolderWithoutFiles);
    EXPECT_FALSE(controls().btnVol02CreateFolders->isEnabled()); // no structure yet

    // A whole drive is asked for.
    desktop->ExpectBrowse("D:\\");
    desktop->ExpectBox("0331", Answer::No);
    Click(controls().btnVol02AddFolderStructure);
    EXPECT_EQ(desktop->LastBox().text,
              "Do you want to Attach the Entire Disk to the Folders specified in The "
              "Include Window ?\nClick YES to Attach,\nClick NO to Cancel.");
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Question);
    EXPECT_EQ(controls().lstVol02AddFolderStructure->Count(), 0);
    EXPECT_EQ(desktop->BrowseTitles().back(), "Select a Folder Structure.");
    desktop->ExpectBrowse("D:\\");
    desktop->ExpectBox("0331", Answer::Yes);
    Click(controls().btnVol02AddFolderStructure);
    EXPECT_EQ(controls().lstVol02AddFolderStructure->Items(), Lines{"D:\\"});
    // A drive that is not there, and a cancelled choice: nothing at all.
    BrowseStructure("Q:\\");
    BrowseStructure("");

    BrowseStructure("D:\\S");
    BrowseStructure("d:\\s");
    EXPECT_EQ(controls().lstVol02AddFolderStructure->Items(), (Lines{"D:\\", "D:\\S"}));
    EXPECT_TRUE(controls().btnVol02CreateFolders->isEnabled());
    EXPECT_TRUE(controls().btnVol02CreateFoldersSimulation->isEnabled());

    desktop->ExpectBox("0020");
    page->AddStructure("   ");
    EXPECT_EQ(desktop->LastBox().text,
              "The selection field is empty !\nAction : You must select a folder with subfolders structure.");
    EXPECT_FALSE(controls().btnVol02CreateFolders->isEnabled());

    desktop->ExpectBox("0021");
    Click(controls().btnVol02ViewFolderStructure);
    EXPECT_EQ(desktop->LastBox().text, "There is no selected Folder Structure !\nAction : You must select a "
                                       "folder with subfolders structure.");
    controls().lstVol02AddFolderStructure->SetItemIndex(1);
    Click(controls().btnVol02ViewFolderStructure);
    EXPECT_EQ(desktop->ShellOpens().back(), "D:\\S");

    controls().lstVol02AddFolderStructure->SetItemIndex(0);
    desktop->ExpectBox("0022", Answer::No);
    Click(controls().btnVol02RemoveFolderStructure);
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Question);
    EXPECT_EQ(desktop->LastBox().defaultButton, Answer::No);
    EXPECT_EQ(controls().lstVol02AddFolderStructure->Count(), 2);
    desktop->ExpectBox("0022", Answer::Yes);
    Click(controls().btnVol02RemoveFolderStructure);
    EXPECT_EQ(controls().lstVol02AddFolderStructure->Items(), Lines{"D:\\S"});
    EXPECT_EQ(Planned(), (Lines{"1", "3", "0", "0"}));
    EXPECT_TRUE(controls().btnVol02CreateFolders->isEnabled());
}

TEST_F(StringsFieldsTest, AttachOptionsPlanTheirCounters) {
    ChooseDestination("D:\\Work");
    TypeAll({"a", "b"});
    MakeStructure("D:\\S");
    ClickRadio(controls().rdoVol02AttachMainFolderWithFiles);
    EXPECT_TRUE(controls().lstVol02AddFolderStructure->isEnabled());
    BrowseStructure("D:\\S");
    EXPECT_EQ(Planned(), (Lines{"2", "6", "4", "120"}));
    EXPECT_EQ(PlannedInStatistics(), (Lines{"2", "6", "4", "120"}));

    ClickRadio(controls().rdoVol02AttachMainFolderWithoutFiles);
    EXPECT_EQ(Planned(), (Lines{"2", "6", "0", "0"}));
    ClickRadio(controls().rdoVol02AttachSubFoldersOnlyWithFiles);
    EXPECT_EQ(Planned(), (Lines{"2", "4", "4", "120"}));
    ClickRadio(controls().rdoVol02AttachSubFoldersOnlyWithoutFiles);
    EXPECT_EQ(Planned(), (Lines{"2", "4", "0", "0"}));

    ClickRadio(controls().rdoVol02AttachNothing);
    EXPECT_EQ(Planned(), (Lines{"2", "0", "0", "0"}));
    EXPECT_EQ(PlannedInStatistics(), (Lines{"2", "0", "0", "0"}));
    EXPECT_FALSE(controls().lstVol02AddFolderStructure->isEnabled());
    EXPECT_FALSE(controls().btnVol02AddFolderStructure->isEnabled());
    EXPECT_FALSE(controls().btnVol02RemoveFolderStructure->isEnabled());
    EXPECT_TRUE(controls().btnVol02CreateFolders->isEnabled());

    // The structure is still listed but attached to nothing: a change of the
    // list plans one folder per item and nothing more.
    Type("c");
    EXPECT_EQ(Planned(), (Lines{"3", "0", "0", "0"}));
    EXPECT_EQ(PlannedInStatistics(), (Lines{"3", "0", "0", "0"}));
    Select(include(), {"a"});
    Click(controls().btnVol02IncToExc);
    EXPECT_EQ(Planned(), (Lines{"2", "0", "0", "0"}));

    // Back to a mode with files: the structure counts again.
    ClickRadio(controls().rdoVol02AttachMainFolderWithFiles);
    EXPECT_EQ(Planned(), (Lines{"2", "6", "4", "120"}));
}

TEST_F(StringsFieldsTest, AnOptionWithFilesWithoutRoomKeepsWhatTheCheckLeaves) {
    ChooseDestination("D:\\Work");
    Type("a");
    MakeStructure("D:\\S");
    ClickRadio(controls().rdoVol02AttachMainFolderWithoutFiles);
    BrowseStructure("D:\\S");
    EXPECT_EQ(Planned(), (Lines{"1", "3", "0", "0"}));
    platform::SetFreeSpaceOverride('D', 10);
    desktop->ExpectBox("0035");
    ClickRadio(controls().rdoVol02AttachMainFolderWithFiles);
    platform::SetFreeSpaceOverride('D', std::nullopt);
    EXPECT_EQ(Planned(), (Lines{"0", "0", "0", "0"}));
}

TEST_F(StringsFieldsTest, SavingWritesTheItemsWithoutADrivePart) {
    include().AddItems({"b\\c", "a", "C:\\x"});
    desktop->ExpectSaveFile("D:\\saved.txt");
    desktop->ExpectMessage("End of the saving process.");
    page->btnVol02SaveClick();
    EXPECT_EQ(sandbox->Read("D:\\saved.txt"), "a\nb\\c\n");
    EXPECT_EQ(desktop->FileDialogs().back().defaultExtension, "txt");

    // A file that cannot be created: the warning, then the end of saving as
    // always; nothing is written anywhere.
    desktop->ExpectSaveFile("Q:\\nowhere.txt");
    desktop->ExpectBox("0016");
    desktop->ExpectMessage("End of the saving process.");
    page->btnVol02SaveClick();
    EXPECT_EQ(desktop->LastBox().caption, PageTitle + "Warning no: 0016.");
    EXPECT_EQ(desktop->LastBox().text,
              "There was a problem saving the file !\nAction : The file is maybe corrupted.");
    EXPECT_EQ(desktop->Messages().size(), 2u);
    // A folder in the file's place cannot be written either.
    sandbox->MakeFolder("D:\\taken.txt");
    desktop->ExpectSaveFile("D:\\taken.txt");
    desktop->ExpectBox("0016");
    desktop->ExpectMessage("End of the saving process.");
    page->btnVol02SaveClick();
    EXPECT_TRUE(sandbox->Exists("D:\\taken.txt"));

    desktop->ExpectSaveFile("");
    page->btnVol02SaveClick();
    EXPECT_TRUE(desktop->AllUsed());
}

TEST_F(StringsFieldsTest, OpeningAListFileAsksAndWarnsLineByLine) {
    ChooseDestination("D:\\Work");
    Type("zero");
    exclude().AddItem("held");
    sandbox->MakeFile("D:\\list.csv", "x\n");
    sandbox->MakeFile("D:\\in.txt",
                      "one\r\n  two  \r\n\r\nONE\r\nheld\r\nC:\\drive\r\nD:\\other\r\nthree\r\n");

    desktop->ExpectOpenFile("");
    page->btnVol02OpenClick();
    desktop->ExpectOpenFile("D:\\list.csv");
    desktop->ExpectBox("0012", Answer::No);
    page->btnVol02OpenClick();
    EXPECT_EQ(desktop->LastBox().caption, PageTitle + "Information no: 0012.");
    EXPECT_EQ(desktop->LastBox().text,
              "The file extension is not a txt.\nMaybe it is not a plain text file. \nDo "
              "you want to open this file ?\nClick YES to continue Loading this file,\n"
              "Click NO to Stop the Loading process.");
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Question);
    desktop->ExpectOpenFile("D:\\missing.txt");
    desktop->ExpectBox("0013");
    desktop->ExpectMessage("End of the Loading process.");
    page->btnVol02OpenClick();
    EXPECT_EQ(desktop->LastBox().caption, PageTitle + "Warning no: 0013.");
    EXPECT_EQ(desktop->LastBox().text,
              "There was a problem opening the file !\nAction : The file is maybe corrupted.");
    EXPECT_EQ(include().Items(), Lines{"zero"});

    desktop->ExpectOpenFile("D:\\in.txt");
    desktop->ExpectBox("0014", Answer::No);
    ExpectBoxes({"0141", "0142"});
    desktop->ExpectBox("0143", Answer::Yes); // asked once; the second drive line goes silently
    desktop->ExpectMessage("End of the Loading process.");
    page->btnVol02OpenClick();
    const auto& boxes = desktop->Boxes();
    EXPECT_EQ(boxes[boxes.size() - 3].caption,
              "Creating Folder(s).-From a String List.             Warning no: 0141.");
    EXPECT_EQ(boxes[boxes.size() - 3].text, "This item already exists in the Include window !\n");
    EXPECT_EQ(boxes[boxes.size() - 2].text, "This item already exists in the Exclude window !\n");
    EXPECT_EQ(desktop->LastBox().caption,
              "reating Folder(s).-From a String List.             Warning no: 0143.");
    EXPECT_EQ(desktop->LastBox().text,
              "There is a drive letter in the string!\nClick YES to continue without "
              "asking\nClick NO  to Clear the INCULDE Window and quit the Import process");
    EXPECT_EQ(boxes[boxes.size() - 4].text,
              "Do you want to clear the previous content of the INCLUDE window "
              "?\nClick YES to clear the previous content,\nClick NO to leave it.");
    EXPECT_EQ(include().Items(), (Lines{"one", "three", "two", "zero"}));
    EXPECT_EQ(Counts(), (Lines{"4", "1"}));

    // Yes to 0014 empties the list first; No to 0143 empties it and stops.
    desktop->ExpectOpenFile("D:\\in.txt");
    desktop->ExpectBox("0014", Answer::Yes);
    desktop->ExpectBox("0141"); // ONE after one, both from the file
    desktop->ExpectBox("0142");
    desktop->ExpectBox("0143", Answer::No);
    desktop->ExpectMessage("End of the Loading process.");
    page->btnVol02OpenClick();
    EXPECT_EQ(include().Count(), 0);
    EXPECT_EQ(Counts(), (Lines{"0", "1"}));
}
