// The increased-numbers page's fields: the exit rules of the number boxes, the
// preview, prefix and suffix, destination, structures, attach options,
// enabling and Clear Fields.

#include "ui_TfrmStatistic03.h"
#include "ui_Vol03NumbersPage.h"

#include "NumbersPageFixture.h"

using namespace numberstests;
using ui::Answer;

TEST_F(NumbersPageTest, ExitRulesPutTheBoxesRight) {
    struct Case {
        bool leavingStart;
        const char* start;
        const char* end;
        const char* startShown;
        const char* endShown;
        int32_t startNumber;
        int32_t endNumber;
        const char* focus; // the box that has the focus after leaving, "" when unchanged
    };
    const Case cases[] = {
        {true, "abc", "5", "1", "5", 1, 5, "edtVol03EndNumber"},
        {true, "2147483648", "5", "1", "5", 1, 5, "edtVol03EndNumber"},
        {true, " 12", "20", " 12", "20", 12, 20, ""},
        {true, "0", "5", "1", "5", 1, 5, ""},
        {true, "7", "x", "7", "7", 7, 7, "edtVol03EndNumber"},
        {false, "3", "0", "3", "1", 3, 1, ""},
        {false, "3", "abc", "3", "3", 3, 3, "edtVol03EndNumber"},
        {false, "abc", "9", "1", "9", 1, 9, "edtVol03StartNumber"},
        {false, "4", "2147483647", "4", "2147483647", 4, 2147483647, ""},
    };
    ChooseDestination("D:\\Work");
    for (const Case& c : cases) {
        controls().edtVol03Prefix->setFocus();
        controls().edtVol03StartNumber->setText(c.start);
        controls().edtVol03EndNumber->setText(c.end);
        if (c.leavingStart)
            page->edtVol03StartNumberExit();
        else
            page->edtVol03EndNumberExit();
        const std::string label = std::string(c.start) + " / " + c.end;
        EXPECT_EQ(controls().edtVol03StartNumber->text().toStdString(), c.startShown) << label;
        EXPECT_EQ(controls().edtVol03EndNumber->text().toStdString(), c.endShown) << label;
        EXPECT_EQ(page->StartNumber, c.startNumber) << label;
        EXPECT_EQ(page->EndNumber, c.endNumber) << label;
        // The last control of the page that was given the focus.
        QWidget* focused = page->focusWidget();
        EXPECT_EQ(focused ? focused->objectName().toStdString() : "", *c.focus ? c.focus : "edtVol03Prefix")
            << label;
    }
}

TEST_F(NumbersPageTest, PreviewShowsTheFirstAndLastFolder) {
    SetRange("7", "120");
    EXPECT_TRUE(controls().lblVol03StartFolder->text().isEmpty()); // no destination yet
    ChooseDestination("D:\\Work");
    controls().edtVol03Prefix->setText("P");
    controls().chkVol03Hyphen->setChecked(true);
    controls().chkVol03PaddedZeroes->setChecked(true);
    EXPECT_EQ(controls().lblVol03StartFolder->text().toStdString(), "D:\\Work\\P-007");
    EXPECT_EQ(controls().lblVol03EndFolder->text().toStdString(), "D:\\Work\\P-120");
    EXPECT_EQ(page->NumberWidth, 3);
    controls().chkVol03PaddedZeroes->setChecked(false);
    controls().edtVol03Suffix->setText("S");
    EXPECT_EQ(controls().lblVol03StartFolder->text().toStdString(), "D:\\Work\\P-7-S");
    controls().chkVol03Hyphen->setChecked(false);
    EXPECT_EQ(controls().lblVol03EndFolder->text().toStdString(), "D:\\Work\\P120S");
}

TEST_F(NumbersPageTest, IllegalPrefixAndSuffixCharactersCostTheLastCharacter) {
    ChooseDestination("D:\\Work");
    // Typed: at the question mark the prefix becomes "a" again.
    desktop->ExpectBox("0079");
    controls().edtVol03Prefix->setText("a?");
    EXPECT_EQ(desktop->LastBox().caption, Title + "            Warning no: 0079.");
    EXPECT_EQ(desktop->LastBox().text, "Illegal character in the Prefix : ?");
    EXPECT_EQ(controls().edtVol03Prefix->text().toStdString(), "a");
    // Pasted: the text loses its end, one box each, until the character is gone.
    ExpectBoxes({"0079", "0079"});
    controls().edtVol03Prefix->setText("a*b");
    EXPECT_EQ(controls().edtVol03Prefix->text().toStdString(), "a");
    emit controls().edtVol03Prefix->editingFinished();
    desktop->ExpectBox("0080");
    controls().edtVol03Suffix->setText("z:");
    EXPECT_EQ(desktop->LastBox().caption,
              "Creating Folder(s).-Increased numbers.            Warning no: 0080.");
    EXPECT_EQ(desktop->LastBox().text, "Illegal character in the Suffix : :");
    EXPECT_EQ(controls().edtVol03Suffix->text().toStdString(), "z");
    EXPECT_EQ(controls().lblVol03StartFolder->text().toStdString(), "D:\\Work\\a1z");
}

TEST_F(NumbersPageTest, DestinationEnablesThePageOnceListed) {
    EXPECT_FALSE(controls().edtVol03StartNumber->isEnabled());
    EXPECT_FALSE(controls().btnVol03CreateFolders->isEnabled());
    desktop->ExpectBox("0078");
    controls().btnVol03ViewDestFolder->setEnabled(true);
    Click(controls().btnVol03ViewDestFolder);
    EXPECT_EQ(desktop->LastBox().caption, Title + "\t\t\tWarning no: 0078.");

    ChooseDestination("D:\\Work");
    ChooseDestination("d:\\work");
    EXPECT_EQ(controls().cboVol03DestFolders->Items(), (Lines{"D:\\Work"}));
    EXPECT_TRUE(controls().edtVol03StartNumber->isEnabled());
    EXPECT_TRUE(controls().btnVol03CreateFolders->isEnabled()); // "Attach Nothing."
    Click(controls().btnVol03ViewDestFolder);
    EXPECT_EQ(desktop->ShellOpens(), Lines{"D:\\Work"});

    desktop->ExpectBrowse("");
    desktop->ExpectBox("0077");
    Click(controls().btnVol03AddDestFolder);
    EXPECT_EQ(desktop->LastBox().caption, Title + "\t\t\tWarning no: 0077.");
    EXPECT_EQ(desktop->LastBox().text,
              "The selection field is empty !\nAction : You must select a destination folder.");
    EXPECT_FALSE(controls().edtVol03StartNumber->isEnabled());
}

TEST_F(NumbersPageTest, StructuresAreAskedForViewedAndRemoved) {
    sandbox->MakeFile("D:\\S\\a\\f.txt", "123");
    ChooseDestination("D:\\Work");
    SetRange("1", "4");
    controls().rdoVol03AttachMainFolderWithFiles->click();
    EXPECT_FALSE(controls().btnVol03CreateFolders->isEnabled()); // no structure yet
    EXPECT_EQ(page->Counters().ToCreate.Folders, 4);

    desktop->ExpectBrowse("D:\\");
    desktop->ExpectBox("0332", Answer::No);
    Click(controls().btnVol03AddFolderStructure);
    EXPECT_EQ(desktop->LastBox().caption, Title + "            Warning no: 0332.");
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Question);
    EXPECT_EQ(controls().lstVol03AddFolderStructure->Count(), 0);

    desktop->ExpectBrowse("D:\\S");
    Click(controls().btnVol03AddFolderStructure);
    desktop->ExpectBrowse("d:\\s");
    Click(controls().btnVol03AddFolderStructure);
    EXPECT_EQ(controls().lstVol03AddFolderStructure->Items(), Lines{"D:\\S"});
    EXPECT_TRUE(controls().btnVol03CreateFolders->isEnabled());
    EXPECT_EQ(page->Counters().ToCreate.SubFolders, 8); // S and a, four times
    EXPECT_EQ(page->Counters().ToCreate.FilesSize, 12);

    desktop->ExpectBox("0085");
    page->AddStructure(" ");
    EXPECT_EQ(desktop->LastBox().caption,
              "Creating Folder(s).- Increased Numbers.            Warning no: 0085.");

    desktop->ExpectBox("0086");
    Click(controls().btnVol03ViewFolderStructure);
    EXPECT_EQ(desktop->LastBox().caption, Title + "\t\t\tWarning no: 0086.");
    controls().lstVol03AddFolderStructure->item(0)->setSelected(true);
    Click(controls().btnVol03ViewFolderStructure);
    EXPECT_EQ(desktop->ShellOpens().back(), "D:\\S");

    // No keeps the list and still plans anew.
    page->Counters().ToCreate.Folders = 99;
    desktop->ExpectBox("0087", Answer::No);
    Click(controls().btnVol03RemoveFolderStructure);
    EXPECT_EQ(desktop->LastBox().caption, Title + "\t\t\tWarning no: 0087.");
    EXPECT_EQ(controls().lstVol03AddFolderStructure->Count(), 1);
    EXPECT_EQ(page->Counters().ToCreate.Folders, 4);
    desktop->ExpectBox("0087", Answer::Yes);
    Click(controls().btnVol03RemoveFolderStructure);
    EXPECT_EQ(controls().lstVol03AddFolderStructure->Count(), 0);
    EXPECT_FALSE(controls().btnVol03CreateFolders->isEnabled());

    // "Attach Nothing." plans the folders only and turns the structure list off.
    controls().rdoVol03AttachNothing->click();
    EXPECT_FALSE(controls().lstVol03AddFolderStructure->isEnabled());
    EXPECT_EQ(page->Counters().ToCreate.Folders, 4);
    EXPECT_EQ(page->Counters().ToCreate.SubFolders, 0);
    EXPECT_TRUE(controls().btnVol03CreateFolders->isEnabled());
}

TEST_F(NumbersPageTest, ClearFieldsEmptiesThePageAndItsUndo) {
    ChooseDestination("D:\\Work");
    SetRange("3", "4");
    controls().edtVol03Prefix->setText("P");
    CreateToTheEnd();
    AddStructure("D:\\Work");

    desktop->ExpectBox("0083", Answer::No);
    Click(controls().btnVol03ClearAll);
    EXPECT_EQ(desktop->LastBox().caption, Title + "            Information no: 0083.");
    EXPECT_EQ(controls().edtVol03Prefix->text().toStdString(), "P");

    ExpectBoxes({"0083?", "0084"});
    Click(controls().btnVol03ClearAll);
    EXPECT_EQ(desktop->LastBox().text, "End of the CLEAR FIELDS process !!!");
    EXPECT_EQ(controls().cboVol03DestFolders->Text(), "D:\\Work"); // the first entry
    EXPECT_EQ(controls().edtVol03StartNumber->text().toStdString(), "1");
    EXPECT_EQ(controls().edtVol03EndNumber->text().toStdString(), "1");
    EXPECT_TRUE(controls().edtVol03Prefix->text().isEmpty());
    EXPECT_TRUE(controls().chkVol03Hyphen->isChecked());
    EXPECT_TRUE(controls().lblVol03StartFolder->text().isEmpty());
    EXPECT_EQ(controls().lstVol03AddFolderStructure->Count(), 0);
    EXPECT_TRUE(page->ResultLists().Created.Folders.empty());
    EXPECT_FALSE(controls().edtVol03StartNumber->isEnabled());
    EXPECT_EQ(page->StartNumber, 3); // the stored range stays
    desktop->ExpectBox("0096");
    page->UndoLastRun();
}

// Mended: the destination list held an empty entry that Clear Fields chose
// and that, picked, said no destination was selected.
TEST_F(NumbersPageTest, DestinationListHoldsOnlyChosenFolders) {
    EXPECT_EQ(controls().cboVol03DestFolders->Count(), 0);
    EXPECT_EQ(controls().cboVol03DestFolders->Text(), "");
    ChooseDestination("D:\\Work");
    ChooseDestination("D:\\Other");
    EXPECT_EQ(controls().cboVol03DestFolders->Items(), (Lines{"D:\\Work", "D:\\Other"}));
    ExpectBoxes({"0083?", "0084"});
    Click(controls().btnVol03ClearAll);
    EXPECT_EQ(controls().cboVol03DestFolders->Items(), (Lines{"D:\\Work", "D:\\Other"}));
    EXPECT_EQ(controls().cboVol03DestFolders->Text(), "D:\\Work");
    // Picking the entry Clear Fields chose makes it the destination again.
    desktop->ExpectModal("frmLevelSummFolder");
    emit controls().cboVol03DestFolders->activated(0);
    EXPECT_TRUE(controls().edtVol03StartNumber->isEnabled());
    EXPECT_TRUE(desktop->AllUsed());
}
