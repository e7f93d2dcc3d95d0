// The increased-numbers page's create run: number texts, the names it builds,
// the order of its checks and boxes, what it creates and counts, and the
// mended faults of wide ranges, re-read boxes and boxes that hold no number.

#include "ui_TfrmStatistic03.h"
#include "ui_Vol03NumbersPage.h"

#include "NumbersPageFixture.h"

#include "platform/Drives.h"

#include <QProgressBar>

#include <filesystem>
#include <limits>
#include <sys/stat.h>

using namespace numberstests;
using ui::Answer;

TEST_F(NumbersPageTest, NumberTextsArePaddedToTheEndNumbersWidth) {
    struct Case {
        int width;
        bool padded;
        int64_t number;
        const char* text;
    };
    const Case cases[] = {
        {3, false, 7, "7"},
        {3, true, 7, "007"},
        {3, true, 10, "010"},
        {3, true, 120, "120"},
        {1, true, 5, "5"},
        {7, true, 1, "0000001"},
        {7, false, 1000000, "1000000"},
        {10, true, 1, "0000000001"},
        {10, true, 2147483647, "2147483647"},
        {10, false, 2147483647, "2147483647"},
        {2, true, 123, "123"}, // a text longer than the width stays
    };
    for (const Case& c : cases) {
        controls().chkVol03PaddedZeroes->setChecked(c.padded); // shows the preview, which sets the width
        page->NumberWidth = c.width;
        EXPECT_EQ(page->NumberText(c.number), c.text) << c.width << " " << c.number;
    }
}

TEST_F(NumbersPageTest, RunCreatesEveryNumberWithPrefixAndHyphen) {
    struct Case {
        bool padded;
        Lines names;
    };
    const Case cases[] = {
        {false, {"F-10", "F-11", "F-12", "F-8", "F-9"}},
        {true, {"F-08", "F-09", "F-10", "F-11", "F-12"}},
    };
    int run = 0;
    for (const Case& c : cases) {
        const std::string destination = "D:\\Run" + std::to_string(run++);
        ChooseDestination(destination);
        controls().edtVol03Prefix->setText("F");
        controls().chkVol03Hyphen->setChecked(true);
        controls().chkVol03PaddedZeroes->setChecked(c.padded);
        SetRange("8", "12");
        CreateToTheEnd();
        std::set<std::string> expected(c.names.begin(), c.names.end());
        EXPECT_EQ(Children(destination), expected);
        EXPECT_EQ(page->Counters().Created.Folders, 5);
        EXPECT_EQ(page->ResultLists().Created.Folders.front(),
                  destination + "\\F-" + (c.padded ? "08" : "8"));
        EXPECT_EQ(stat().lstStat03FoldersCreated->Count(), 5);
        EXPECT_EQ(PageLabel("FoldersCreated"), "5");
        EXPECT_EQ(controls().pbVol03ProgressBar->maximum(), 5); // from 0 to the count, whatever the start
    }
    EXPECT_TRUE(stat().chkStat03NormalSimulate->isChecked());
    EXPECT_EQ(stat().lblVol03NormalSimulate->text().toStdString(), "Folder/File Creation Process.");
    const testsupport::ShownBox& question = desktop->Boxes()[0];
    EXPECT_EQ(question.caption, "Creating Folder(s).- Increased Numbers.            Information no: 0093.");
    EXPECT_EQ(question.text, "Do you want to create folders ?\n");
    EXPECT_EQ(question.defaultButton, Answer::No);
    EXPECT_EQ(desktop->Boxes()[1].caption, Title + "            Information no: 0094.");
    EXPECT_EQ(desktop->Boxes()[1].text, "End of Creating Folders/Files !!!");
    EXPECT_TRUE(desktop->disabledDuringBox[0].empty());
    EXPECT_EQ(desktop->disabledDuringBox[1],
              (std::set<std::string>{"tabFolderCreate05", "tabFolderCreate03", "tabFolderCreate01",
                                     "tabFoldersCopy02", "tabFoldersRename01", "tabFoldersDelete01"}));
    EXPECT_TRUE(main.Disabled().empty());
}

TEST_F(NumbersPageTest, ExistingNumbersCountOnceAndGetNoStructure) {
    sandbox->MakeFile("D:\\S\\f.txt", "12345");
    sandbox->MakeFolder("D:\\S\\sub");
    sandbox->MakeFolder("D:\\Work\\2");
    ChooseDestination("D:\\Work");
    SetRange("1", "3");
    AddStructure("D:\\S");
    controls().rdoVol03AttachMainFolderWithFiles->click();
    controls().chkVol03ViewDestFolder->setChecked(true);
    CreateToTheEnd();

    const CreationCounters& c = page->Counters();
    EXPECT_EQ(c.ToCreate.Folders, 3);
    EXPECT_EQ(c.ToCreate.SubFolders, 6);
    EXPECT_EQ(c.ToCreate.FilesSize, 15);
    EXPECT_EQ(Row(c.Created), (std::vector<double>{2, 4, 2, 10}));
    EXPECT_EQ(c.Exists.Folders, 1);
    EXPECT_EQ(c.Exists.SubFolders, 0); // no structure load on this page
    EXPECT_EQ(c.Exists.FilesSize, 0);
    EXPECT_EQ(Items(page->ResultLists().Exists.Folders), Lines{"D:\\Work\\2"});
    EXPECT_EQ(stat().lstStat03FoldersExists->Items(), Lines{"D:\\Work\\2"});
    EXPECT_EQ(stat().lstStat03SubFoldersCreated->Items(),
              (Lines{"D:\\Work\\1\\S", "D:\\Work\\1\\S\\sub", "D:\\Work\\3\\S", "D:\\Work\\3\\S\\sub"}));
    EXPECT_EQ(stat().lstStat03FilesCreated->Items(),
              (Lines{"D:\\Work\\1\\S\\f.txt", "D:\\Work\\3\\S\\f.txt"}));
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\2\\S"));
    EXPECT_EQ(desktop->ShellOpens(), Lines{"D:\\Work"});
}

TEST_F(NumbersPageTest, ChecksComeInTheirOrder) {
    ChooseDestination("D:\\Work");
    SetRange("5", "9");
    page->Counters().Created.Folders = 7;
    Choose(controls().rdoVol03AttachMainFolderWithFiles);
    AddStructure("D:\\Gone");
    // The range first, before the structures and the space, and nothing reset.
    controls().edtVol03StartNumber->setText("12");
    page->edtVol03StartNumberExit();
    page->Counters().Created.Folders = 7;
    desktop->ExpectBox("0089");
    Click(controls().btnVol03CreateFolders);
    EXPECT_EQ(desktop->LastBox().caption, Title + "    Warning no: 0089.");
    EXPECT_EQ(desktop->LastBox().text,
              "The Start Number is greater then the End one.!\nAction : You must enter a "
              "Start number that is smaller than the End one.");
    EXPECT_EQ(page->Counters().Created.Folders, 7);

    SetRange("1", "2");
    desktop->ExpectBox("0092");
    Click(controls().btnVol03CreateFolders);
    EXPECT_EQ(desktop->LastBox().caption, Title + "\t\t\tWarning no: 0092.");
    EXPECT_EQ(desktop->LastBox().text,
              "The folder doesn't exist : D:\\Gone\nAction : Please enter or select an existing folder.");
    controls().lstVol03AddFolderStructure->Clear();
    desktop->ExpectBox("0091");
    Click(controls().btnVol03CreateFolders);
    EXPECT_EQ(desktop->LastBox().caption, Title + "\t\t\tWarning no: 0091.");
}

TEST_F(NumbersPageTest, WalkBoxesAndRefusedStructuresAreTheRunsOwn) {
    sandbox->MakeFile("D:\\S1\\f", "11111");
    sandbox->MakeFile("D:\\S2\\f", "2222222");
    // "[" is refused by the folder rules though the file system takes it: the
    // folder is made, its structures are refused one by one.
    ChooseDestination("D:\\W[1]");
    SetRange("1", "1");
    AddStructure("D:\\S1");
    AddStructure("D:\\S2");
    Choose(controls().rdoVol03AttachSubFoldersOnlyWithFiles);
    ExpectBoxes({"0093?", "0374", "0374", "0094"});
    Click(controls().btnVol03CreateFolders);
    EXPECT_EQ(desktop->Boxes()[1].caption, Title + "\t\t\tWarning no: 0374.");
    EXPECT_EQ(desktop->Boxes()[1].text, "Illegal character in the text : [");
    EXPECT_EQ(page->Counters().Created.Folders, 1);

    // Files that appear after the structure scan have no size to count: one
    // copied (0101), one already there from the first structure (0102).
    ChooseDestination("D:\\Work");
    desktop->whileBoxIsUp = [this](const ui::MessageBoxRequest& box) {
        if (testsupport::ScriptedDesktop::NumberOf(box.caption) != "0093")
            return;
        sandbox->MakeFile("D:\\S1\\late", "333");
        sandbox->MakeFile("D:\\S2\\late", "4444");
    };
    ExpectBoxes({"0093?", "0101", "0102", "0094"});
    Click(controls().btnVol03CreateFolders);
    const auto& boxes = desktop->Boxes();
    EXPECT_EQ(boxes[boxes.size() - 3].caption, Title + "            Warning no: 0101.");
    EXPECT_EQ(boxes[boxes.size() - 3].text, "The path doesn't exists : \nD:\\S1\\late");
    EXPECT_FALSE(boxes[boxes.size() - 3].hasOwner);
    EXPECT_EQ(boxes[boxes.size() - 2].caption, Title + "            Warning no: 0102.");
    EXPECT_EQ(page->Counters().Created.Files, 2);
    EXPECT_EQ(page->Counters().Exists.Files, 2);
}

// A run that could not copy all of a structure does not end as if it had.
TEST_F(NumbersPageTest, TheEndBoxSaysWhatTheStructureCouldNotGive) {
    sandbox->MakeFile("D:\\S\\f", "1");
    ASSERT_EQ(mkfifo(sandbox->Host("D:\\S\\pipe").c_str(), 0600), 0);
    ChooseDestination("D:\\Work");
    SetRange("1", "2");
    AddStructure("D:\\S");
    Choose(controls().rdoVol03AttachSubFoldersOnlyWithFiles);
    CreateToTheEnd();
    EXPECT_EQ(page->Counters().Created.Files, 2);
    EXPECT_EQ(desktop->LastBox().text, "End of Creating Folders/Files !!!\n\nNot created (other reasons) : 0 "
                                       "subfolder(s) and 2 file(s) of the folder structures.");
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Warning);
}

TEST_F(NumbersPageTest, FreeSpaceEqualToTheNeedIsNotEnough) {
    sandbox->MakeFile("D:\\S\\big", std::string(100, 'b'));
    ChooseDestination("D:\\Work");
    SetRange("1", "2");
    AddStructure("D:\\S");
    Choose(controls().rdoVol03AttachMainFolderWithFiles);
    platform::SetFreeSpaceOverride('D', 200);
    desktop->ExpectBox("0100");
    Click(controls().btnVol03CreateFolders);
    EXPECT_EQ(desktop->LastBox().caption, Title + "            Information no: 0100.");
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Warning);
    EXPECT_EQ(desktop->LastBox().text,
              "There is not enough space on the disk.\nThe free space on the disk D:\\ is : "
              "200.00 Bytes    200 bytes\nThe program requires : 200.00 Bytes    200 bytes.");
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\1"));
    platform::SetFreeSpaceOverride('D', std::nullopt);
}

// Mended: counted in 32 bits, the loop to 2147483647 never ended.
TEST_F(NumbersPageTest, RangeUpToTheLargestNumberStops) {
    ChooseDestination("D:\\Top");
    SetRange("2147483600", "2147483647");
    CreateToTheEnd();
    EXPECT_EQ(page->Counters().Created.Folders, 48);
    EXPECT_EQ(Children("D:\\Top").size(), 48u);
    EXPECT_TRUE(sandbox->Exists("D:\\Top\\2147483647"));
    EXPECT_EQ(page->Counters().ToCreate.Folders, 48);
}

// Mended: a wide range times a large structure overflowed the need: 2^30
// numbers of 2^34 bytes each came to 0 bytes in 64 bits, which always fits.
TEST_F(NumbersPageTest, NeedThatOverflowsNeverFits) {
    sandbox->MakeFile("D:\\Huge\\sparse");
    std::filesystem::resize_file(sandbox->Host("D:\\Huge\\sparse"),
                                 uint64_t{1} << 34); // sparse: no disk used
    ChooseDestination("D:\\Work");
    SetRange("1", "1073741824");
    AddStructure("D:\\Huge");
    platform::SetFreeSpaceOverride('D', std::numeric_limits<uint64_t>::max() - 1);
    desktop->ExpectBox("0100");
    controls().rdoVol03AttachMainFolderWithFiles->click();
    EXPECT_EQ(page->Counters().ToCreate.Folders, 1073741824); // planned before the check
    EXPECT_EQ(page->Counters().ToCreate.FilesSize, 0);        // the check did not pass
    desktop->ExpectBox("0100");
    Click(controls().btnVol03CreateFolders);
    EXPECT_TRUE(Children("D:\\Work").empty());
    platform::SetFreeSpaceOverride('D', std::nullopt);
}

// Mended: the run re-reads the boxes after its checks; the range it uses is checked again.
TEST_F(NumbersPageTest, RangeReadAgainIsCheckedAgain) {
    ChooseDestination("D:\\Work");
    SetRange("1", "3");
    controls().edtVol03StartNumber->setText("9"); // typed, box not left
    ExpectBoxes({"0093?", "0095"});
    Click(controls().btnVol03CreateFolders);
    EXPECT_EQ(desktop->LastBox().caption, Title + "    Warning no: 0095.");
    EXPECT_EQ(desktop->LastBox().text,
              "The Start Number is greater then the End one.!\nAction : You must enter "
              "an End number that is greater than the Start one.");
    EXPECT_TRUE(Children("D:\\Work").empty());
    EXPECT_TRUE(main.Disabled().empty());
    EXPECT_FALSE(controls().pbVol03ProgressBar->isVisible());
}

// Mended: a box that holds no whole number refuses the run with the exit
// rule's correction, before anything is reset, and without a framework error.
TEST_F(NumbersPageTest, BoxWithoutANumberRefusesTheRun) {
    ChooseDestination("D:\\Work");
    SetRange("1", "3");
    page->Counters().Created.Folders = 4;
    for (const char* text : {"abc", "", "1.5", "-2"}) {
        controls().edtVol03StartNumber->setText(text);
        Click(controls().btnVol03CreateFolders);
        EXPECT_EQ(controls().edtVol03StartNumber->text().toStdString(), "1") << text;
        controls().edtVol03EndNumber->setText(text);
        Click(controls().btnVol03CreateFoldersSimulation);
        EXPECT_NE(controls().edtVol03EndNumber->text().toStdString(), text) << text;
    }
    EXPECT_TRUE(desktop->Boxes().empty());
    EXPECT_EQ(page->Counters().Created.Folders, 4);
    EXPECT_TRUE(Children("D:\\Work").empty());
}

TEST_F(NumbersPageTest, RunLeavesItsOwnFoldersAloneAndIgnoresASecondStart) {
    // The structure is the destination itself: each new folder gets what was
    // there before the run, never a copy of the folders the run made.
    sandbox->MakeFile("D:\\Work\\keep.txt", "keep");
    ChooseDestination("D:\\Work");
    SetRange("1", "3");
    AddStructure("D:\\Work");
    Choose(controls().rdoVol03AttachSubFoldersOnlyWithFiles);
    int secondStarts = 0;
    desktop->OnProcessMessages([&] {
        ++secondStarts;
        controls().btnVol03CreateFolders->click();
        controls().btnVol03CreateFoldersSimulation->click();
    });
    CreateToTheEnd();
    EXPECT_EQ(secondStarts, 3);
    EXPECT_EQ(Children("D:\\Work\\3"), std::set<std::string>{"keep.txt"});
    EXPECT_EQ(page->Counters().Created.Files, 3);
    EXPECT_EQ(page->Counters().Created.SubFolders, 0);
    EXPECT_EQ(page->CreatedFilesList(), std::deque<std::string>{"D:\\Work\\3\\keep.txt"});
}

// Mended: numbers changed while the question was open were checked for their
// order only: no padding width of their own, and a start of 0 was run.
TEST_F(NumbersPageTest, NumbersChangedDuringTheQuestionAreCheckedAsWhenTyped) {
    ChooseDestination("D:\\Work");
    controls().chkVol03PaddedZeroes->setChecked(true);
    SetRange("1", "9");
    desktop->whileBoxIsUp = [this](const ui::MessageBoxRequest& request) {
        if (testsupport::ScriptedDesktop::NumberOf(request.caption) != "0093")
            return;
        controls().edtVol03StartNumber->setText("98");
        controls().edtVol03EndNumber->setText("100");
    };
    CreateToTheEnd();
    EXPECT_EQ(Children("D:\\Work"), (std::set<std::string>{"098", "099", "100"}));

    desktop->whileBoxIsUp = [this](const ui::MessageBoxRequest& request) {
        if (testsupport::ScriptedDesktop::NumberOf(request.caption) != "0465")
            return;
        controls().edtVol03StartNumber->setText("0");
        controls().edtVol03EndNumber->setText("2");
    };
    SimulateToTheEnd();
    EXPECT_EQ(stat().lstStat03FoldersCreated->Items(), (Lines{"D:\\Work\\1", "D:\\Work\\2"}));
    EXPECT_EQ(controls().edtVol03StartNumber->text().toStdString(), "1");
}

// Mended: a need beyond 2^64 bytes was shown as 2^64.
TEST_F(NumbersPageTest, NeedBeyondSixtyFourBitsIsShownAsItIs) {
    sandbox->MakeFile("D:\\Huge\\sparse");
    std::filesystem::resize_file(sandbox->Host("D:\\Huge\\sparse"), uint64_t{1} << 34);
    ChooseDestination("D:\\Work");
    SetRange("1", "2147483647");
    AddStructure("D:\\Huge");
    Choose(controls().rdoVol03AttachMainFolderWithFiles);
    desktop->ExpectBox("0100");
    Click(controls().btnVol03CreateFolders);
    // (2^31 - 1) x 2^34 bytes.
    const std::string text = desktop->LastBox().text;
    EXPECT_NE(text.find("The program requires : 34359738352.00 GB    36893488130239234048 bytes."),
              std::string::npos)
        << text;
    EXPECT_TRUE(Children("D:\\Work").empty());
}

// A name another program makes between two numbers, in another case, is one
// with the later number's folder.
TEST_F(NumbersPageTest, ANameMadeByAnotherProgramDuringTheRunIsMet) {
    ChooseDestination("D:\\Run");
    controls().edtVol03Prefix->setText("F");
    controls().chkVol03Hyphen->setChecked(true);
    SetRange("1", "4");
    int number = 0;
    desktop->OnProcessMessages([&] {
        if (number++ == 1) {
            sandbox->MakeFolder("D:\\Run\\f-3");
            sandbox->MakeFile("D:\\Run\\f-4");
        }
    });
    CreateToTheEnd();
    desktop->OnProcessMessages({});
    EXPECT_EQ(Items(page->ResultLists().Created.Folders), (Lines{"D:\\Run\\F-1", "D:\\Run\\F-2"}));
    EXPECT_EQ(Items(page->ResultLists().Exists.Folders), Lines{"D:\\Run\\F-3"});
    EXPECT_EQ(Items(page->ResultLists().Other.Folders), Lines{"D:\\Run\\F-4"});
    EXPECT_EQ(Children("D:\\Run"), (std::set<std::string>{"F-1", "F-2", "f-3", "f-4"}));
}
