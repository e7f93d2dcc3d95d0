// The paths page's create run, its simulation and Undo, and the free-space
// check per file system.

#include "ui_TfrmStatistic04.h"
#include "ui_Vol04PathsPage.h"

#include "PathsPageFixture.h"

#include <QCheckBox>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace pathstests;
using ui::Answer;

namespace {
const std::string Title = "Creating Folder(s).-From a Folder List.            ";
} // namespace

TEST_F(PathsPageTest, RunCreatesEachLineWhereItSaysAndCountsTheRest) {
    sandbox->MakeFolder("D:\\Work\\Old");
    sandbox->MakeFolder("E:\\Data");
    controls().edtVol04Prefix->setText("P");
    controls().edtVol04Suffix->setText("S");
    controls().chkVol04Hyphen->setChecked(true);
    AddLines({"D:\\Work\\Jan", "D:\\Work\\Feb\\", "E:\\Data\\Mar\\notes.txt", "relative\\folder",
              "  D:\\Data\\Jan", "D:\\Work\\Jan"});
    sandbox->MakeFolder("D:\\Work\\P-Old-S");
    AddLines({"D:\\Work\\Old"});
    CreateToTheEnd();

    EXPECT_EQ(Items(page->ResultLists().Created.Folders),
              (Lines{"D:\\Work\\P-Jan-S", "D:\\Work\\P-Feb-S", "E:\\Data\\P-Mar-S"}));
    EXPECT_EQ(Items(page->ResultLists().Exists.Folders), (Lines{"D:\\Work\\P-Jan-S", "D:\\Work\\P-Old-S"}));
    // No drive part in the line; the blanks before the drive leave its name without one.
    EXPECT_EQ(Items(page->ResultLists().Other.Folders), (Lines{"relative\\folder", "  D:\\Data\\P-Jan-S"}));
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\P-Feb-S"));
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\Feb\\P--S"));
    EXPECT_EQ(PageLabel("FoldersCreated"), "3");
    EXPECT_EQ(PageLabel("FoldersExists"), "2");
    EXPECT_EQ(PageLabel("FoldersOther"), "2");
    EXPECT_EQ(stat().lstStat04FoldersCreated->Items(), Items(page->ResultLists().Created.Folders));
    EXPECT_TRUE(stat().chkStat04NormalSimulate->isChecked());
    EXPECT_TRUE(main.Disabled().empty());
    EXPECT_EQ(desktop->Boxes()[0].caption, Title + "Information no: 0061.");
    EXPECT_EQ(desktop->Boxes()[0].defaultButton, Answer::No);
    EXPECT_EQ(desktop->Boxes()[1].text, "End of Creating Folders/Files !!!");
    EXPECT_TRUE(desktop->ShellOpens().empty());
}

// A run that could not copy all of a structure does not end as if it had.
TEST_F(PathsPageTest, TheEndBoxSaysWhatTheStructureCouldNotGive) {
    sandbox->MakeFolder("D:\\S\\sub");
    ASSERT_EQ(mkfifo(sandbox->Host("D:\\S\\pipe").c_str(), 0600), 0);
    AddLines({"D:\\Work\\Jan"});
    AddStructure("D:\\S");
    Choose(controls().rdoVol04AttachSubFoldersOnlyWithFiles);
    CreateToTheEnd();
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\Jan\\sub"));
    EXPECT_EQ(desktop->LastBox().text, "End of Creating Folders/Files !!!\n\nNot created (other reasons) : 0 "
                                       "subfolder(s) and 1 file(s) of the folder structures.");
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Warning);
}

TEST_F(PathsPageTest, ChecksBeforeTheQuestionEndTheRunUntouched) {
    AddLines({"D:\\Work\\Jan"});
    // A structure option without structures, then with one that has gone.
    Choose(controls().rdoVol04AttachMainFolderWithoutFiles);
    controls().btnVol04CreateFolders->setEnabled(true);
    desktop->ExpectBox("0059");
    controls().btnVol04CreateFolders->click();
    AddStructure("D:\\Gone");
    desktop->ExpectBox("0060");
    controls().btnVol04CreateFolders->click();
    EXPECT_EQ(desktop->Boxes()[1].text,
              "The folder doesn't exist : D:\\Gone\nAction : Please enter or select an existing folder.");
    // The question answered No.
    controls().lstVol04AddFolderStructure->Clear();
    Choose(controls().rdoVol04AttachNothing);
    desktop->ExpectBox("0061", Answer::No);
    controls().btnVol04CreateFolders->click();
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\Jan"));
    EXPECT_EQ(page->Counters().Created.Folders, 0);
    // "Attach Nothing." with an empty list asks, then says the list is empty.
    include().Clear();
    ExpectBoxes({"0061?", "0063"});
    controls().btnVol04CreateFolders->click();
    EXPECT_EQ(desktop->LastBox().caption,
              "Creating Folder(s).-From a Folder List.           Warning no: 0063.");
    EXPECT_TRUE(desktop->AllUsed());
}

TEST_F(PathsPageTest, SimulationCountsWhatTheRunThenDoes) {
    sandbox->MakeFile("D:\\S\\f.txt", "12345");
    sandbox->MakeFolder("D:\\S\\sub");
    sandbox->MakeFolder("D:\\Work\\Old");
    sandbox->MakeFolder("E:\\Deep\\New");
    const std::vector<std::string> lines = {"D:\\Work\\Jan",   "D:\\Work\\Old",   "relative\\folder",
                                            "D:\\Work\\Feb\\", "F:\\Absent\\Dir", "E:\\Deep\\New\\Leaf"};
    AddLines(lines);
    AddStructure("D:\\S");
    const QRadioButton* modes[] = {controls().rdoVol04AttachNothing,
                                   controls().rdoVol04AttachMainFolderWithFiles,
                                   controls().rdoVol04AttachSubFoldersOnlyWithoutFiles};
    for (const QRadioButton* mode : modes) {
        SCOPED_TRACE(mode->objectName().toStdString());
        Choose(const_cast<QRadioButton*>(mode));
        std::map<std::string, long long> before = Tree();
        SimulateToTheEnd();
        EXPECT_EQ(Tree(), before);
        const CreationCounters simulated = page->Counters();
        const std::vector<std::string> created = stat().lstStat04FoldersCreated->Items();
        const std::vector<std::string> exists = stat().lstStat04FoldersExists->Items();
        const std::vector<std::string> subfolders = stat().lstStat04SubFoldersCreated->Items();
        const std::vector<std::string> files = stat().lstStat04FilesCreated->Items();
        EXPECT_FALSE(stat().chkStat04NormalSimulate->isChecked());

        CreateToTheEnd();
        const CreationCounters& run = page->Counters();
        for (auto row : {&CreationCounters::Created, &CreationCounters::Exists, &CreationCounters::Other}) {
            EXPECT_EQ((simulated.*row).Folders, (run.*row).Folders);
            EXPECT_EQ((simulated.*row).SubFolders, (run.*row).SubFolders);
            EXPECT_EQ((simulated.*row).Files, (run.*row).Files);
            EXPECT_EQ((simulated.*row).FilesSize, (run.*row).FilesSize);
        }
        EXPECT_EQ(created, stat().lstStat04FoldersCreated->Items());
        EXPECT_EQ(exists, stat().lstStat04FoldersExists->Items());
        EXPECT_EQ(subfolders, stat().lstStat04SubFoldersCreated->Items());
        EXPECT_EQ(files, stat().lstStat04FilesCreated->Items());
        EXPECT_EQ(run.Other.Folders, 2);

        ExpectBoxes({"0068?", "0070"});
        Click(controls().btnVol04Undo);
        EXPECT_EQ(Tree(), before);
    }
}

TEST_F(PathsPageTest, UndoOfSubfoldersOnlyWithFilesRemovesWhatTheRunMade) {
    sandbox->MakeFile("D:\\S\\top.txt", "abc");
    sandbox->MakeFile("D:\\S\\sub\\inner.txt", "defg");
    sandbox->MakeFolder("D:\\Work\\Keep");
    sandbox->MakeFile("D:\\Work\\Keep\\mine.txt", "x");
    AddLines({"D:\\Work\\A", "D:\\Work\\New\\B", "D:\\Work\\Keep"});
    AddStructure("D:\\S");
    Choose(controls().rdoVol04AttachSubFoldersOnlyWithFiles);
    const std::map<std::string, long long> before = Tree();
    CreateToTheEnd();
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\A\\top.txt"));
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\New\\B\\sub\\inner.txt"));
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\Keep\\top.txt")); // an existing folder gets nothing
    // The list holds the files copied straight into the last new folder.
    EXPECT_EQ(Items(page->CreatedFilesList()), Lines{"D:\\Work\\New\\B\\top.txt"});

    // A simulation in between changes neither the undo list nor the file list.
    SimulateToTheEnd();
    EXPECT_EQ(Items(page->CreatedFilesList()), Lines{"D:\\Work\\New\\B\\top.txt"});

    ExpectBoxes({"0068?", "0070"});
    Click(controls().btnVol04Undo);
    // "New" was made on the way to B and is no folder of the list: it stays, empty.
    std::map<std::string, long long> expected = before;
    expected["D/Work/New"] = -1;
    EXPECT_EQ(Tree(), expected);
    EXPECT_TRUE(page->CreatedFilesList().empty());
    EXPECT_EQ(page->Counters().Created.Folders, 0);
    EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].caption, Title + "Information no: 0068.");

    desktop->ExpectBox("0067");
    Click(controls().btnVol04Undo);
    EXPECT_EQ(
        desktop->LastBox().text,
        "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must at least one Folder to "
        "UNDO them.");
}

// A new folder that is still the run's own goes with all it holds, the
// person's changes inside it included, as the question says; a link put in
// its place is left with its target's files, and named.
TEST_F(PathsPageTest, UndoEmptiesAFolderStillItsOwnAndLeavesWhatTookItsPlace) {
    sandbox->MakeFile("D:\\S\\top.txt", "abc");
    sandbox->MakeFile("D:\\Mine\\top.txt", "mine");
    AddLines({"D:\\Work\\B"});
    AddStructure("D:\\S");
    Choose(controls().rdoVol04AttachSubFoldersOnlyWithFiles);
    CreateToTheEnd();
    ASSERT_EQ(Items(page->CreatedFilesList()), Lines{"D:\\Work\\B\\top.txt"});
    std::ofstream(sandbox->Host("D:\\Work\\B\\top.txt"), std::ios::app) << "edited";
    sandbox->MakeFile("D:\\Work\\B\\added.txt", "added");
    ExpectBoxes({"0068?", "0070"});
    Click(controls().btnVol04Undo);
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\B"));

    CreateToTheEnd();
    std::filesystem::rename(sandbox->Host("D:\\Work\\B"), sandbox->Host("D:\\Away"));
    std::filesystem::create_directory_symlink(sandbox->Host("D:\\Mine"), sandbox->Host("D:\\Work\\B"));
    ExpectBoxes({"0068?", "0069", "0070"});
    Click(controls().btnVol04Undo);
    EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].text,
              "The program is unable to delete the following folders (and their contents), and/or separate "
              "files : \n\nOTHER REASONS   : \n\nD:\\Work\\B\nD:\\Work\\B\\top.txt\n");
    EXPECT_EQ(sandbox->Read("D:\\Mine\\top.txt"), "mine");
    EXPECT_TRUE(std::filesystem::is_symlink(sandbox->Host("D:\\Work\\B")));
}

// A folder made through a link on its line's way, the link deleted since:
// the line leads nowhere, but the folder is still where the run made it, so
// Undo names it rather than taking it for one the person deleted.
TEST_F(PathsPageTest, UndoNamesAFolderItsLineNoLongerLeadsTo) {
    sandbox->MakeFolder("D:\\P");
    std::filesystem::create_directory_symlink(sandbox->Host("D:\\P"), sandbox->Host("D:\\PL"));
    AddLines({"D:\\PL\\c"});
    CreateToTheEnd();
    ASSERT_TRUE(sandbox->Exists("D:\\P\\c"));
    std::filesystem::remove(sandbox->Host("D:\\PL"));
    ExpectBoxes({"0068?", "0069", "0070"});
    Click(controls().btnVol04Undo);
    EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].text,
              "The program is unable to delete the following folders (and their contents), and/or separate "
              "files : \n\nOTHER REASONS   : \n\nD:\\PL\\c\n");
    EXPECT_TRUE(sandbox->Exists("D:\\P\\c"));
}

TEST_F(PathsPageTest, FreeSpaceIsSummedPerFileSystemWhateverTheDriveIsCalled) {
    sandbox->MakeFile("D:\\S\\big", std::string(1000, 'b'));
    AddStructure("D:\\S");
    Choose(controls().rdoVol04AttachMainFolderWithFiles);
    struct Case {
        std::vector<std::string> lines;
        uint64_t freeOnD;
        bool passes;
    };
    const Case cases[] = {
        // One drive written two ways: 2000 bytes on one file system.
        {{"c:\\x\\a", "C:\\x\\b"}, 1999, false},
        {{"c:\\x\\a", "C:\\x\\b"}, 2000, true},
        // C:, D: and E: of the sandbox lie on one file system: summed together,
        // measured where the first line is.
        {{"D:\\a", "E:\\b", "C:\\c"}, 2999, false},
        {{"D:\\a", "E:\\b", "C:\\c"}, 3000, true},
        // A line without a drive part, or on a drive that is not there, cannot
        // be created and needs nothing.
        {{"D:\\a", "relative\\b", "F:\\c", "x"}, 1000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.front() + " free " + std::to_string(c.freeOnD));
        include().Clear();
        AddLines(c.lines);
        for (char letter : std::string("CDE"))
            platform::SetFreeSpaceOverride(letter, c.freeOnD);
        page->ResetAllCounters();
        if (!c.passes)
            desktop->ExpectBox("0071");
        EXPECT_EQ(page->CheckFreeSpace(true), c.passes);
        if (c.passes) {
            EXPECT_EQ(page->Counters().ToCreate.FilesSize, 1000.0 * static_cast<double>(c.lines.size()));
        } else {
            EXPECT_EQ(page->Counters().ToCreate.Folders, 0);
            // The root of the first line on the file system, as it is written.
            const std::string root =
                std::string(1, static_cast<char>(std::toupper(c.lines.front()[0]))) + ":\\";
            EXPECT_NE(desktop->LastBox().text.find("The free space on the disk " + root + " is : "),
                      std::string::npos)
                << desktop->LastBox().text;
            EXPECT_EQ(desktop->LastBox().caption, Title + "Information no: 0071.");
        }
    }
    EXPECT_TRUE(desktop->AllUsed());
}

TEST_F(PathsPageTest, ALineOnAnotherFileSystemIsMeasuredThere) {
    // A folder on a second file system, mapped as F:.
    std::string shm = "/dev/shm/foldersmith-paths-XXXXXX";
    struct stat tmpStat {};
    struct stat shmStat {};
    if (::stat("/dev/shm", &shmStat) != 0 || ::stat(sandbox->HostRoot('D').c_str(), &tmpStat) != 0 ||
        shmStat.st_dev == tmpStat.st_dev || !::mkdtemp(shm.data()))
        GTEST_SKIP() << "no second file system here";
    platform::MapDrive('F', shm);
    sandbox->MakeFile("D:\\S\\big", std::string(1000, 'b'));
    AddStructure("D:\\S");
    Choose(controls().rdoVol04AttachMainFolderWithFiles);
    AddLines({"D:\\a", "F:\\b"});
    platform::SetFreeSpaceOverride('D', 1000);
    platform::SetFreeSpaceOverride('F', 1000);
    // 1000 bytes on each file system: each line fits on its own.
    EXPECT_TRUE(page->CheckFreeSpace(true));
    AddLines({"F:\\c"});
    desktop->ExpectBox("0071");
    EXPECT_FALSE(page->CheckFreeSpace(true));
    EXPECT_NE(desktop->LastBox().text.find("disk F:\\ is : "), std::string::npos);
    EXPECT_NE(desktop->LastBox().text.find("2000 bytes."), std::string::npos);
    platform::SetFreeSpaceOverride('F', std::nullopt);
    platform::UnmapDrive('F');
    std::filesystem::remove_all(shm);
}

// A name another program makes between two lines, in another case, is one
// with the later line's folder, in whichever folder the lines go round.
TEST_F(PathsPageTest, ANameMadeByAnotherProgramDuringTheRunIsMet) {
    sandbox->MakeFolder("D:\\One");
    sandbox->MakeFolder("D:\\Two");
    AddLines({"D:\\One\\a", "D:\\Two\\a", "D:\\One\\b", "D:\\Two\\b"});
    int line = 0;
    desktop->OnProcessMessages([&] {
        if (line++ == 1) {
            sandbox->MakeFolder("D:\\One\\B");
            sandbox->MakeFile("D:\\Two\\B");
        }
    });
    CreateToTheEnd();
    desktop->OnProcessMessages({});
    EXPECT_EQ(Items(page->ResultLists().Created.Folders), (Lines{"D:\\One\\a", "D:\\Two\\a"}));
    EXPECT_EQ(Items(page->ResultLists().Exists.Folders), Lines{"D:\\One\\b"});
    EXPECT_EQ(Items(page->ResultLists().Other.Folders), Lines{"D:\\Two\\b"});
    EXPECT_FALSE(std::filesystem::exists(sandbox->Host("D:\\One\\b")));
    EXPECT_FALSE(std::filesystem::exists(sandbox->Host("D:\\Two\\b")));
}

// A line with a level no call can make (a device name, a name over 255
// bytes, a whole path longer than the host allows) makes none of its levels:
// its parents are not left behind unreported, and the simulation says so.
TEST_F(PathsPageTest, ALineThatCannotBeMadeWholeMakesNothing) {
    std::string tooDeep = "D:\\long";
    for (int level = 0; level < 20; ++level)
        tooDeep += "\\" + std::string(250, static_cast<char>('a' + level));
    const std::vector<std::string> lines = {"D:\\made\\CON\\x", "D:\\deep\\" + std::string(300, 'n') + "\\y",
                                            tooDeep, "D:\\fine\\z"};
    AddLines(lines);
    const std::map<std::string, long long> before = Tree();
    SimulateToTheEnd();
    EXPECT_EQ(Tree(), before);
    const std::vector<std::string> simulatedOther = stat().lstStat04FoldersOther->Items();
    const std::vector<std::string> simulatedCreated = stat().lstStat04FoldersCreated->Items();

    CreateToTheEnd();
    EXPECT_EQ(Items(page->ResultLists().Other.Folders), (Lines{lines[0], lines[1], lines[2]}));
    EXPECT_EQ(Items(page->ResultLists().Created.Folders), Lines{"D:\\fine\\z"});
    EXPECT_EQ(simulatedOther, stat().lstStat04FoldersOther->Items());
    EXPECT_EQ(simulatedCreated, stat().lstStat04FoldersCreated->Items());
    EXPECT_FALSE(std::filesystem::exists(sandbox->Host("D:\\made")));
    EXPECT_FALSE(std::filesystem::exists(sandbox->Host("D:\\deep")));
    EXPECT_FALSE(std::filesystem::exists(sandbox->Host("D:\\long")));
}

// The simulation of a deep line meets every level the run makes: the
// folders of an earlier line, a file made on the way and a link to a level.
TEST_F(PathsPageTest, TheSimulationOfDeepLinesFindsWhatEarlierLinesMade) {
    std::string deep = "D:\\d";
    for (int level = 0; level < 300; ++level)
        deep += "\\l" + std::to_string(level);
    const std::string middle = deep.substr(0, deep.find("\\l150\\"));
    sandbox->MakeFolder("D:\\real");
    std::filesystem::create_directory_symlink(sandbox->Host("D:\\real"), sandbox->Host("D:\\link"));
    // The line itself, again in other letters, a level inside it, one below
    // it, and the same folders reached through a link.
    AddLines({deep, "d:\\D\\L0\\l1", middle, deep + "\\more", "D:\\real\\a\\b\\c", "D:\\link\\A\\B\\c",
              "D:\\link\\a\\b\\c\\d"});
    SimulateToTheEnd();
    const CreationCounters simulated = page->Counters();
    const std::vector<std::string> created = stat().lstStat04FoldersCreated->Items();
    const std::vector<std::string> exists = stat().lstStat04FoldersExists->Items();
    CreateToTheEnd();
    EXPECT_EQ(created, stat().lstStat04FoldersCreated->Items());
    EXPECT_EQ(exists, stat().lstStat04FoldersExists->Items());
    EXPECT_EQ(simulated.Created.Folders, 4);
    EXPECT_EQ(simulated.Exists.Folders, 3);
    EXPECT_EQ(page->Counters().Other.Folders, 0);
}
