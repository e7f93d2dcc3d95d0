// The increased-numbers page's simulation (counts, lists and creates nothing,
// and agrees with the run), Undo (with the files recorded while attaching) and
// the statistics window's Smart Export.

#include "ui_TfrmStatistic03.h"
#include "ui_Vol03NumbersPage.h"

#include "NumbersPageFixture.h"

#include <filesystem>

using namespace numberstests;
using ui::Answer;

TEST_F(NumbersPageTest, SimulationCoversAtMost30001Numbers) {
    ChooseDestination("D:\\Work");
    SetRange("1", "30002");
    desktop->ExpectBox("0462");
    Click(controls().btnVol03CreateFoldersSimulation);
    EXPECT_EQ(desktop->LastBox().caption, SimulationTitle + "    Warning no: 0462.");
    EXPECT_EQ(desktop->LastBox().text,
              "The difference between End Number and Start Number is more than 30000.!\n");

    SetRange("1", "30001");
    SimulateToTheEnd();
    EXPECT_EQ(page->Counters().Created.Folders, 30001);
    EXPECT_TRUE(Children("D:\\Work").empty());
    EXPECT_EQ(desktop->Boxes()[1].caption,
              "Simulate Creating Folder(s).- Increased Numbers.            Information no: 0465.");
    EXPECT_EQ(desktop->Boxes()[1].text, main.Texts().CreateSimulationIntroText);
    EXPECT_EQ(desktop->Boxes()[2].caption, SimulationTitle + "            Information no: 0467.");
    EXPECT_EQ(desktop->Boxes()[2].text, main.Texts().CreateSimulationEndText);
    EXPECT_EQ(desktop->disabledDuringBox[2],
              (std::set<std::string>{"tabFolderCreate05", "tabFolderCreate03", "tabFolderCreate01"}));
    EXPECT_FALSE(stat().chkStat03NormalSimulate->isChecked());
    EXPECT_EQ(stat().lblVol03NormalSimulate->text().toStdString(),
              "Simulate the Folder/File Creation Process.");

    // Mended: the limit holds for the numbers the simulation reads again.
    controls().edtVol03EndNumber->setText("40000"); // typed, box not left
    ExpectBoxes({"0465?", "0462"});
    Click(controls().btnVol03CreateFoldersSimulation);
    EXPECT_EQ(page->Counters().Created.Folders, 0);
    EXPECT_TRUE(main.Disabled().empty());

    // The real run has no such limit: it comes to its question.
    SetRange("1", "30002");
    desktop->ExpectBox("0093", Answer::No);
    Click(controls().btnVol03CreateFolders);
    EXPECT_EQ(page->Counters().ToCreate.Folders, 30002);
}

TEST_F(NumbersPageTest, SimulationChecksMirrorTheRun) {
    ChooseDestination("D:\\Work");
    SetRange("5", "9");
    controls().edtVol03StartNumber->setText("12");
    page->edtVol03StartNumberExit();
    desktop->ExpectBox("0461");
    Click(controls().btnVol03CreateFoldersSimulation);
    EXPECT_EQ(desktop->LastBox().caption, SimulationTitle + "    Warning no: 0461.");

    SetRange("1", "3");
    controls().edtVol03StartNumber->setText("8"); // typed, box not left
    ExpectBoxes({"0465?", "0468"});
    Click(controls().btnVol03CreateFoldersSimulation);
    EXPECT_EQ(desktop->LastBox().caption, SimulationTitle + "    Warning no: 0468.");

    SetRange("1", "3");
    // The buttons are off without a structure; the handler still checks.
    Choose(controls().rdoVol03AttachMainFolderWithoutFiles);
    desktop->ExpectBox("0463");
    page->CreateFolders(true);
    EXPECT_EQ(desktop->LastBox().caption, SimulationTitle + "\t\t\tWarning no: 0463.");
    AddStructure("D:\\Gone");
    desktop->ExpectBox("0464");
    Click(controls().btnVol03CreateFoldersSimulation);
    EXPECT_EQ(desktop->LastBox().caption, SimulationTitle + "\t\t\tWarning no: 0464.");
}

// What the simulation counts and lists, the run then does, number by number.
TEST_F(NumbersPageTest, SimulationAgreesWithTheRun) {
    sandbox->MakeFile("D:\\S\\f.txt", "12345");
    sandbox->MakeFile("D:\\S\\sub\\g.txt", "123");
    sandbox->MakeFolder("D:\\Work\\P-03");
    sandbox->MakeFile("D:\\Work\\P-05", "a file in the way");
    const struct {
        QRadioButton* radio;
    } modes[] = {{controls().rdoVol03AttachMainFolderWithFiles},
                 {controls().rdoVol03AttachSubFoldersOnlyWithFiles},
                 {controls().rdoVol03AttachMainFolderWithoutFiles},
                 {controls().rdoVol03AttachNothing}};
    ChooseDestination("D:\\Work");
    controls().edtVol03Prefix->setText("P");
    controls().chkVol03Hyphen->setChecked(true);
    controls().chkVol03PaddedZeroes->setChecked(true);
    AddStructure("D:\\S");
    int round = 0;
    for (const auto& mode : modes) {
        // Two digits, padded: the first round meets P-03 and P-05.
        SetRange(std::to_string(round * 20 + 1), std::to_string(round * 20 + 12));
        Choose(mode.radio);
        SimulateToTheEnd();
        const CreationCounters simulated = page->Counters();
        const Lines created = stat().lstStat03FoldersCreated->Items();
        const Lines subfolders = stat().lstStat03SubFoldersCreated->Items();
        const Lines files = stat().lstStat03FilesCreated->Items();
        const Lines other = stat().lstStat03FoldersOther->Items();
        CreateToTheEnd();
        const CreationCounters& run = page->Counters();
        const std::string label = mode.radio->objectName().toStdString();
        for (auto row : {&CreationCounters::Created, &CreationCounters::Exists, &CreationCounters::Other}) {
            EXPECT_EQ((simulated.*row).Folders, (run.*row).Folders) << label;
            EXPECT_EQ((simulated.*row).SubFolders, (run.*row).SubFolders) << label;
            EXPECT_EQ((simulated.*row).Files, (run.*row).Files) << label;
            EXPECT_EQ((simulated.*row).FilesSize, (run.*row).FilesSize) << label;
        }
        EXPECT_EQ(created, stat().lstStat03FoldersCreated->Items()) << label;
        EXPECT_EQ(subfolders, stat().lstStat03SubFoldersCreated->Items()) << label;
        EXPECT_EQ(files, stat().lstStat03FilesCreated->Items()) << label;
        EXPECT_EQ(other, stat().lstStat03FoldersOther->Items()) << label;
        EXPECT_EQ(run.Exists.Folders, round == 0 ? 1 : 0) << label;
        EXPECT_EQ(run.Other.Folders, round == 0 ? 1 : 0) << label;
        ++round;
    }

    // A name Windows keeps for a device is refused by both alike.
    controls().edtVol03Prefix->setText("COM");
    controls().chkVol03Hyphen->setChecked(false);
    controls().chkVol03PaddedZeroes->setChecked(false);
    SetRange("1", "1");
    SimulateToTheEnd();
    EXPECT_EQ(page->Counters().Other.Folders, 1);
    CreateToTheEnd();
    EXPECT_EQ(page->Counters().Other.Folders, 1);
    EXPECT_EQ(stat().lstStat03FoldersOther->Items(), Lines{"D:\\Work\\COM1"});
}

TEST_F(NumbersPageTest, UndoRemovesTheRunAndItsRecordedFiles) {
    desktop->ExpectBox("0096");
    page->UndoLastRun();
    EXPECT_EQ(desktop->LastBox().caption, Title + "            Warning no: 0096.");
    EXPECT_EQ(desktop->LastBox().text,
              "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou "
              "must create at least one folder to UNDO them.");

    sandbox->MakeFile("D:\\S\\top.txt", "top");
    sandbox->MakeFile("D:\\S\\sub\\deep.txt", "deep");
    ChooseDestination("D:\\Work");
    SetRange("1", "2");
    AddStructure("D:\\S");
    Choose(controls().rdoVol03AttachSubFoldersOnlyWithFiles);
    CreateToTheEnd();
    // Only the files copied straight into the last new folder are recorded.
    EXPECT_EQ(page->CreatedFilesList(), std::deque<std::string>{"D:\\Work\\2\\top.txt"});

    desktop->ExpectBox("0097", Answer::No);
    page->UndoLastRun();
    EXPECT_EQ(desktop->LastBox().caption, Title + "            Information no: 0097.");
    EXPECT_EQ(desktop->LastBox().text, "Do you want to delete all folders (and files)\ncreated last time ?");
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\2\\top.txt"));

    ExpectBoxes({"0097?", "0099"});
    page->UndoLastRun();
    EXPECT_EQ(desktop->LastBox().caption, Title + "            Information no: 0099.");
    EXPECT_EQ(desktop->LastBox().text, "End of Undo process !!!");
    EXPECT_TRUE(Children("D:\\Work").empty());
    EXPECT_TRUE(sandbox->Exists("D:\\S\\top.txt"));
    EXPECT_TRUE(page->CreatedFilesList().empty());
    EXPECT_EQ(PageLabel("FoldersCreated"), "0");
}

// Mended: a recorded file that is gone already (by hand, or with its folder)
// counts as deleted, so box 0098 names only what is still there.
TEST_F(NumbersPageTest, UndoNamesOnlyWhatIsStillThere) {
    sandbox->MakeFile("D:\\S\\a.txt", "a");
    sandbox->MakeFile("D:\\S\\b.txt", "b");
    sandbox->MakeFolder("D:\\Keep");
    ChooseDestination("D:\\Work");
    SetRange("1", "2");
    AddStructure("D:\\S");
    Choose(controls().rdoVol03AttachSubFoldersOnlyWithFiles);
    CreateToTheEnd();
    ASSERT_EQ(page->CreatedFilesList().size(), 2u);
    std::filesystem::remove(sandbox->Host("D:\\Work\\2\\a.txt"));

    ExpectBoxes({"0097?", "0099"});
    page->UndoLastRun();
    EXPECT_TRUE(Children("D:\\Work").empty());

    // A folder that cannot go is named, under the page's own heading.
    CreateToTheEnd();
    std::filesystem::remove_all(sandbox->Host("D:\\Work\\1"));
    std::filesystem::create_directory_symlink(sandbox->Host("D:\\Keep"), sandbox->Host("D:\\Work\\1"));
    ExpectBoxes({"0097?", "0098", "0099"});
    page->UndoLastRun();
    const testsupport::ShownBox& box = desktop->Boxes()[desktop->Boxes().size() - 2];
    EXPECT_EQ(box.caption, Title + "            Information no: 0098.");
    EXPECT_EQ(box.icon, ui::Icon::Warning);
    EXPECT_EQ(box.text, "The program is unable to delete the following folders (and their contents), and/or "
                        "separate files : \n\nOTHER REASONS   : \n\nD:\\Work\\1\n");
    EXPECT_TRUE(sandbox->Exists("D:\\Keep"));
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\2"));
}

// Mended: the files copied straight into a new folder were deleted by their
// paths, so a link or a new folder put in that folder's place lost the
// person's own files to Undo.
TEST_F(NumbersPageTest, UndoLeavesTheFilesOfWhatThePersonPutInANewFoldersPlace) {
    sandbox->MakeFile("D:\\S\\f.txt", "structure");
    sandbox->MakeFile("D:\\Precious\\f.txt", "precious");
    const auto createIn = [this](const std::string& destination) {
        ChooseDestination(destination);
        SetRange("1", "2");
        AddStructure("D:\\S");
        Choose(controls().rdoVol03AttachSubFoldersOnlyWithFiles);
        CreateToTheEnd();
    };
    const auto undoNaming = [this](const std::string& folder) {
        ExpectBoxes({"0097?", "0098", "0099"});
        page->UndoLastRun();
        EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].text,
                  "The program is unable to delete the following folders (and their contents), and/or "
                  "separate files : \n\nOTHER REASONS   : \n\n" +
                      folder + "\n" + folder + "\\f.txt\n");
    };

    // The new folder moved away and a link to another folder put in its place.
    createIn("D:\\W7");
    ASSERT_EQ(page->CreatedFilesList(), std::deque<std::string>{"D:\\W7\\2\\f.txt"});
    std::filesystem::rename(sandbox->Host("D:\\W7\\2"), sandbox->Host("D:\\Away"));
    std::filesystem::create_directory_symlink(sandbox->Host("D:\\Precious"), sandbox->Host("D:\\W7\\2"));
    undoNaming("D:\\W7\\2");
    EXPECT_EQ(sandbox->Read("D:\\Precious\\f.txt"), "precious");
    EXPECT_EQ(sandbox->Read("D:\\Away\\f.txt"), "structure");
    EXPECT_FALSE(sandbox->Exists("D:\\W7\\1"));

    // The new folder deleted and one of the person's own made in its place.
    createIn("D:\\W8");
    std::filesystem::remove_all(sandbox->Host("D:\\W8\\2"));
    sandbox->MakeFile("D:\\W8\\2\\f.txt", "own");
    undoNaming("D:\\W8\\2");
    EXPECT_EQ(sandbox->Read("D:\\W8\\2\\f.txt"), "own");
    EXPECT_FALSE(sandbox->Exists("D:\\W8\\1"));
}

TEST_F(NumbersPageTest, SmartExportWarnsOfEmptyListsAndHandsOverFolders) {
    struct Case {
        QPushButton* button;
        const char* number;
        const char* text;
    };
    Ui::TfrmStatistic03& s = stat();
    s.lstStat03FoldersCreated->Clear();
    s.lstStat03SubFoldersCreated->Clear();
    s.lstStat03FilesCreated->Clear();
    s.lstStat03FoldersExists->Clear();
    s.lstStat03FoldersOther->Clear();
    const Case cases[] = {
        {s.btnStat03SmartExportFolders, "0415",
         "The List of Successfully Created  Folder Names is empty !\nAction : You must create at least one "
         "Folder to use the Smart Export Feature."},
        {s.btnStat03SmartExportSubFolders, "0416",
         "The List of Successfully Created  Subfolder Names is empty !\nAction : You must create at least "
         "one "
         "Subfolder to use the Smart Export Feature."},
        {s.btnStat03SmartExportFiles, "0417",
         "The List of Successfully Created  File Names is empty !\nAction : You must create at least one "
         "File "
         "to use the Smart Export Feature."},
        {s.btnStat03SmartExportAlreadyExists, "0418",
         "The List of Already Created Folder Names is empty !\n"},
        {s.btnStat03SmartExportOtherReasons, "0419",
         "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n"},
    };
    for (const Case& c : cases) {
        desktop->ExpectBox(c.number);
        c.button->click();
        EXPECT_EQ(desktop->LastBox().caption, Title + "            Warning no: " + c.number + ".");
        EXPECT_EQ(desktop->LastBox().text, c.text);
    }
    s.lstStat03FoldersCreated->AddItems({"D:\\Work\\1", "D:\\Work\\2", "d:\\work\\1"});
    desktop->ExpectModal("frmFileExport");
    s.btnStat03SmartExportFolders->click();
    EXPECT_EQ(desktop->ModalWindows().back(), "frmFileExport");
}
