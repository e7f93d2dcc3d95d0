// The strings page's create run: its checks and boxes in order, the names it
// builds, what it creates and counts, and the attach walk's copies.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "platform/Drives.h"
#include "runs/NameParts.h"

#include <QKeyEvent>
#include <QProgressBar>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>

using namespace createtests;
using ui::Answer;

namespace {

const std::string Title = "Creating Folder(s).-From a String List.            ";

struct NameCase {
    const char* destination;
    const char* prefix;
    const char* suffix;
    bool hyphen;
    const char* item;
    const char* name;
};

} // namespace

TEST(NameParts, JoinPrefixItemAndSuffix) {
    const NameCase cases[] = {
        {"D:\\Work", "A", "Z", true, "x", "D:\\Work\\A-x-Z"},
        {"D:\\Work", "A", "Z", false, "x", "D:\\Work\\AxZ"},
        {" D:\\Work\\ ", "", "Z", true, "x", "D:\\Work\\x-Z"},
        {"D:\\Work", " ", "", true, "x", "D:\\Work\\ x"}, // a blank prefix is kept, without a hyphen
        {"", "A", "", true, "x", "\\A-x"},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(BuildDestinationNameParts(c.destination, c.prefix, c.suffix, c.hyphen).NameOf(c.item),
                  c.name)
            << c.destination << " " << c.item;
}

TEST_F(StringsPageTest, AttachNothingCreatesSortsAndSortsOut) {
    sandbox->MakeFolder("D:\\Work\\P-old-S");
    SetDestination("D:\\Work");
    controls().edtVol02Prefix->setText("P");
    controls().edtVol02Suffix->setText("S");
    controls().chkVol02ViewDestFolder->setChecked(true);
    AddItems({"sub\\leaf", "old", "beta", "C:\\Temp", "Alpha"});
    CreateToTheEnd();

    EXPECT_EQ(Items(page->ResultLists().Created.Folders),
              (Lines{"D:\\Work\\P-Alpha-S", "D:\\Work\\P-beta-S", "D:\\Work\\P-sub\\leaf-S"}));
    EXPECT_EQ(Items(page->ResultLists().Exists.Folders), Lines{"D:\\Work\\P-old-S"});
    EXPECT_EQ(Items(page->ResultLists().Other.Folders), Lines{"C:\\Temp"});
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\P-Alpha-S"));
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\P-sub\\leaf-S"));
    EXPECT_FALSE(sandbox->Exists("C:\\Temp"));

    EXPECT_EQ(PageLabel("FoldersCreated"), "3");
    EXPECT_EQ(PageLabel("FoldersExists"), "1");
    EXPECT_EQ(PageLabel("FoldersOther"), "1");
    EXPECT_EQ(PageLabel("SubFoldersExists"), "0"); // "Attach Nothing." charges no structure
    EXPECT_EQ(StatLabel("FoldersCreated"), "3");
    EXPECT_EQ(stat().lstStat02FoldersCreated->Items(), Items(page->ResultLists().Created.Folders));
    EXPECT_EQ(stat().lstStat02FoldersExists->Items(), Lines{"D:\\Work\\P-old-S"});
    EXPECT_EQ(stat().lstStat02FoldersOther->Items(), Lines{"C:\\Temp"});
    EXPECT_TRUE(stat().chkStat02NormalSimulate->isChecked());
    EXPECT_EQ(stat().lblVol02NormalSimulate->text().toStdString(), "Folder/File Creation Process.");
    EXPECT_TRUE(frmStatistic02->isVisible()); // "Visual Log" is ticked
    frmStatistic02->hide();

    // The question comes before any tab is touched; the end box while the
    // other pages are out of reach; afterwards every tab is back.
    ASSERT_EQ(desktop->disabledDuringBox.size(), 2u);
    EXPECT_TRUE(desktop->disabledDuringBox[0].empty());
    EXPECT_EQ(desktop->disabledDuringBox[1], std::set<std::string>(RunTabs.begin(), RunTabs.end()));
    EXPECT_TRUE(main.Disabled().empty());
    EXPECT_EQ(desktop->ShellOpens(), Lines{"D:\\Work"});
    EXPECT_FALSE(controls().pbVol02ProgressBar->isVisible());
    EXPECT_EQ(desktop->Boxes()[0].caption,
              "Creating Folder(s).-From  a String List.            Information no: 0025.");
    EXPECT_EQ(desktop->Boxes()[0].defaultButton, Answer::No);
    EXPECT_EQ(desktop->Boxes()[1].text, "End of Creating Folders/Files !!!");
}

TEST_F(StringsPageTest, MainFoldersWithFilesCopiesBreadthFirstAndChargesExisting) {
    sandbox->MakeFile("D:\\S\\x", std::string(10, 'x'));
    sandbox->MakeFile("D:\\S\\a\\y", std::string(20, 'y'));
    sandbox->MakeFolder("D:\\S\\a\\b");
    // A second folder on the first level: a walk that went deep first would
    // copy a\b before c.
    sandbox->MakeFolder("D:\\S\\c");
    sandbox->MakeFolder("D:\\Work\\n0");
    Plan("D:\\Work", {"n0", "n1", "n2"}, {"D:\\S"}, controls().rdoVol02AttachMainFolderWithFiles);
    CreateToTheEnd();

    const CreationCounters& c = page->Counters();
    EXPECT_EQ(Row(c.ToCreate), (std::vector<double>{3, 12, 6, 90}));
    EXPECT_EQ(Row(c.Created), (std::vector<double>{2, 8, 4, 60}));
    EXPECT_EQ(Row(c.Exists), (std::vector<double>{1, 4, 2, 30}));
    EXPECT_EQ(c.Other.Folders, 0);
    EXPECT_EQ(PageLabel("FilesSizeCreated"), "60");
    EXPECT_EQ(StatLabel("SubFoldersToCreate"), "12");
    EXPECT_EQ(StatLabel("FilesSizeExists"), "30"); // hidden, still written

    EXPECT_EQ(
        stat().lstStat02SubFoldersCreated->Items(),
        (Lines{"D:\\Work\\n1\\S", "D:\\Work\\n1\\S\\a", "D:\\Work\\n1\\S\\c", "D:\\Work\\n1\\S\\a\\b",
               "D:\\Work\\n2\\S", "D:\\Work\\n2\\S\\a", "D:\\Work\\n2\\S\\c", "D:\\Work\\n2\\S\\a\\b"}));
    EXPECT_EQ(stat().lstStat02FilesCreated->Items(), (Lines{"D:\\Work\\n1\\S\\x", "D:\\Work\\n1\\S\\a\\y",
                                                            "D:\\Work\\n2\\S\\x", "D:\\Work\\n2\\S\\a\\y"}));
    EXPECT_EQ(sandbox->Read("D:\\Work\\n2\\S\\a\\y"), std::string(20, 'y'));
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\n0\\S")); // an existing folder gets nothing attached
    EXPECT_TRUE(page->CreatedFilesList().empty());
}

TEST_F(StringsPageTest, SubfoldersOnlyMergesStructuresWithoutOverwriting) {
    sandbox->MakeFile("D:\\S1\\f", "AAAAA");
    sandbox->MakeFolder("D:\\S1\\k");
    sandbox->MakeFile("D:\\S2\\f", "BBBBBBB");
    sandbox->MakeFile("D:\\S2\\g", "GGG");
    Plan("D:\\Work", {"n"}, {"D:\\S1", "D:\\S2"}, controls().rdoVol02AttachSubFoldersOnlyWithFiles);
    CreateToTheEnd();

    const CreationCounters& c = page->Counters();
    EXPECT_EQ(c.Created.SubFolders, 1); // k; the new folder itself is no subfolder
    EXPECT_EQ(c.Created.Files, 2);
    EXPECT_EQ(c.Created.FilesSize, 8);
    EXPECT_EQ(c.Exists.Files, 1);
    EXPECT_EQ(c.Exists.FilesSize, 7);
    EXPECT_EQ(sandbox->Read("D:\\Work\\n\\f"), "AAAAA");
    EXPECT_EQ(page->CreatedFilesList(), (std::deque<std::string>{"D:\\Work\\n\\f", "D:\\Work\\n\\g"}));

    // Mended: the list of files copied straight into a new folder belongs to
    // one run only (the numbers and paths pages' Undo deletes what it names).
    AddItems({"m"});
    Choose(controls().rdoVol02AttachNothing);
    CreateToTheEnd();
    EXPECT_TRUE(page->CreatedFilesList().empty());
}

TEST_F(StringsPageTest, FreeSpaceEqualToTheNeedIsNotEnough) {
    sandbox->MakeFile("D:\\S\\big", std::string(100, 'b'));
    SetDestination("D:\\Work");
    sandbox->MakeFolder("D:\\Work");
    AddItems({"a", "b"});
    AddStructure("D:\\S");
    Choose(controls().rdoVol02AttachMainFolderWithFiles);
    platform::SetFreeSpaceOverride('D', 200);
    desktop->ExpectBox("0035");
    Create();
    ASSERT_EQ(desktop->Boxes().size(), 1u);
    EXPECT_EQ(desktop->LastBox().caption, Title + "Information no: 0035.");
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Warning);
    EXPECT_EQ(desktop->LastBox().text,
              "There is not enough space on the disk.\nThe free space on the disk D:\\ is : "
              "200.00 Bytes    200 bytes\nThe program requires : 200.00 Bytes    200 bytes.");
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\a"));
    EXPECT_EQ(page->Counters().ToCreate.Folders, 0);

    platform::SetFreeSpaceOverride('D', 201);
    desktop->ExpectBox("0025", Answer::No);
    Create();
    EXPECT_EQ(page->Counters().ToCreate.FilesSize, 200);
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\a"));
}

TEST_F(StringsPageTest, ChecksComeInTheirOrder) {
    SetDestination("D:\\Work");
    // With files and an empty Include list the free-space check ends the run
    // before any other check, without a word.
    Choose(controls().rdoVol02AttachMainFolderWithFiles);
    Create();
    EXPECT_TRUE(desktop->Boxes().empty());

    Choose(controls().rdoVol02AttachMainFolderWithoutFiles);
    AddItems({"a"});
    desktop->ExpectBox("0023");
    Create();
    EXPECT_EQ(desktop->LastBox().text, "There is no additional Subfolder structure. !\nAction : You must add "
                                       "at least one Subfolder structure.");

    AddStructure("D:\\Missing");
    desktop->ExpectBox("0024");
    Create();
    EXPECT_EQ(desktop->LastBox().caption, Title + "Warning no: 0024.");
    EXPECT_EQ(desktop->LastBox().text,
              "The folder doesn't exist : D:\\Missing\nAction : Please enter or select an existing folder.");

    // No keeps everything as it was.
    page->Counters().Created.Folders = 7;
    Choose(controls().rdoVol02AttachNothing);
    desktop->ExpectBox("0025", Answer::No);
    Create();
    EXPECT_EQ(page->Counters().Created.Folders, 7);
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\a"));

    // An empty Include list is refused only after the counters were reset.
    controls().lstVol02IncludeStrings->Clear();
    ExpectBoxes({"0025?", "0027"});
    Create();
    EXPECT_EQ(desktop->LastBox().text,
              "The Include list is empty !!!\nYou must enter at least one item to create folders.");
    EXPECT_EQ(page->Counters().Created.Folders, 0);
    EXPECT_TRUE(main.Disabled().empty());
    EXPECT_TRUE(desktop->AllUsed());
}

TEST_F(StringsPageTest, NoDriveRootIsEverRecordedAsCreated) {
    // Mended: only a folder that was missing before and is there afterwards
    // counts as created, so Undo can never be handed a drive root.
    sandbox->MakeFile("D:\\keep.txt", "keep");
    Plan("D:\\", {".", "..", "new"});
    CreateToTheEnd();
    EXPECT_EQ(Items(page->ResultLists().Created.Folders), Lines{"D:\\new"});
    // "." and ".." name the destination itself (or what lies above it): no
    // new folder, so not created.
    EXPECT_EQ(page->Counters().Other.Folders, 2);

    // A drive that is not there: nothing is created, nothing recorded as created.
    platform::UnmapDrive('D');
    controls().lstVol02IncludeStrings->Clear();
    AddItems({"x", "."});
    CreateToTheEnd();
    EXPECT_TRUE(page->ResultLists().Created.Folders.empty());
    EXPECT_EQ(page->Counters().Other.Folders, 2);
    desktop->ExpectBox("0028");
    Undo();
    EXPECT_TRUE(std::filesystem::exists(sandbox->HostRoot('D') + "/keep.txt"));
}

TEST_F(StringsPageTest, StructureHoldingTheDestinationIsCopiedOnceAsSimulated) {
    // Mended: the destination lies inside the structure, so each new folder
    // appears in the structure while it is being copied into.
    sandbox->MakeFile("D:\\S\\s.txt", "s");
    sandbox->MakeFolder("D:\\S\\t");
    sandbox->MakeFolder("D:\\S\\out");
    Plan("D:\\S\\out", {"a", "b", "c\\d"}, {"D:\\S"}, controls().rdoVol02AttachMainFolderWithFiles);

    SimulateToTheEnd();
    CreationCounters simulated = page->Counters();

    CreateToTheEnd();
    const CreationCounters& real = page->Counters();
    EXPECT_EQ(real.Created.Folders, 3);
    EXPECT_EQ(real.Created.SubFolders, 9); // S, S\out, S\t for each new folder
    EXPECT_EQ(real.Created.Files, 3);
    EXPECT_EQ(Row(real.Created), (std::vector<double>{simulated.Created.Folders, simulated.Created.SubFolders,
                                                      simulated.Created.Files, simulated.Created.FilesSize}));
    EXPECT_TRUE(sandbox->Exists("D:\\S\\out\\b\\S\\out"));
    EXPECT_FALSE(sandbox->Exists("D:\\S\\out\\b\\S\\out\\a"));
    EXPECT_FALSE(sandbox->Exists("D:\\S\\out\\c\\d\\S\\out\\c"));
}

TEST_F(StringsPageTest, AWholeDriveAttachedEndsAndAgreesWithTheSimulation) {
    sandbox->MakeFile("D:\\root.txt", "r");
    sandbox->MakeFolder("D:\\Work");
    Plan("D:\\Work", {"a", "b"}, {"D:\\"}, controls().rdoVol02AttachSubFoldersOnlyWithoutFiles);
    SimulateToTheEnd();
    CreationCounters simulated = page->Counters();
    CreateToTheEnd();
    EXPECT_EQ(page->Counters().Created.SubFolders, 2); // Work, once per new folder
    EXPECT_EQ(page->Counters().Created.SubFolders, simulated.Created.SubFolders);
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\b\\Work"));
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\b\\Work\\a"));
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\a\\root.txt")); // without files
}

TEST_F(StringsPageTest, InputDuringARunIsIgnored) {
    Plan("D:\\Work", {"a", "b", "c"});
    int calls = 0;
    desktop->OnProcessMessages([&] {
        ++calls;
        controls().btnVol02CreateFolders->click();
        controls().btnVol02CreateFoldersSimulation->click();
        controls().btnVol02Undo->click();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z");
        QCoreApplication::sendEvent(controls().edtVol02Prefix, &press);
    });
    CreateToTheEnd();
    EXPECT_EQ(calls, 3);
    EXPECT_TRUE(controls().edtVol02Prefix->text().isEmpty());
    EXPECT_EQ(page->Counters().Created.Folders, 3);
    EXPECT_FALSE(page->RunInProgress());

    // Once the run is over, typing reaches the field again.
    desktop->OnProcessMessages({});
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z");
    QCoreApplication::sendEvent(controls().edtVol02Prefix, &press);
    EXPECT_EQ(controls().edtVol02Prefix->text().toStdString(), "z");
}

TEST_F(StringsPageTest, CountersAboveFourGigabytesAreShownExactly) {
    page->Counters().ToCreate.FilesSize = 5368709120.0 + 3;
    page->RefreshResultLabels();
    page->RefreshStatisticLabels();
    EXPECT_EQ(PageLabel("FilesSizeToCreate"), "5368709123");
    EXPECT_EQ(StatLabel("FilesSizeToCreate"), "5368709123");
    page->ResetAllCounters();
    page->RefreshResultLabels();
    EXPECT_EQ(PageLabel("FilesSizeToCreate"), "0");
}

namespace {

// What the page and the statistics window show while a box is up.
struct ScreenAtBox {
    std::string number;
    std::string caption;
    std::string text;
    bool hasOwner = false;
    std::map<std::string, std::string> labels; // "lblVol02..." and "lblStat02..." by name
    std::vector<std::string> foldersCreated;
    std::vector<std::string> filesCreated;
    bool pageUpdates = false;
    bool statisticsUpdates = false;
};

} // namespace

class StringsBoxesDuringARunTest : public StringsPageTest {
protected:
    // Notes the screen at every box; `onQuestion` runs while the run's
    // question (0025 or 0455) is up, after the structures were scanned.
    void WatchBoxes(std::function<void()> onQuestion) {
        desktop->whileBoxIsUp = [this, onQuestion](const ui::MessageBoxRequest& request) {
            ScreenAtBox screen;
            screen.number = testsupport::ScriptedDesktop::NumberOf(request.caption);
            screen.caption = request.caption;
            screen.text = request.text;
            screen.hasOwner = request.owner != nullptr;
            for (const char* row : {"Created", "Exists"}) {
                for (const char* column : {"Folders", "SubFolders", "Files", "FilesSize"}) {
                    std::string name = std::string(column) + row;
                    screen.labels["lblVol02" + name] = PageLabel(name);
                    screen.labels["lblStat02" + name] = StatLabel(name);
                }
            }
            screen.foldersCreated = stat().lstStat02FoldersCreated->Items();
            screen.filesCreated = stat().lstStat02FilesCreated->Items();
            screen.pageUpdates = page->window()->updatesEnabled();
            screen.statisticsUpdates = frmStatistic02->updatesEnabled();
            screens.push_back(screen);
            if ((screen.number == "0025" || screen.number == "0455") && onQuestion)
                onQuestion();
        };
    }
    // Both windows show each counter (column and row, "FilesCreated") with its value.
    void ExpectShown(const ScreenAtBox& screen, const std::map<std::string, std::string>& counters) {
        for (const auto& [counter, value] : counters) {
            EXPECT_EQ(screen.labels.at("lblVol02" + counter), value) << screen.number << " " << counter;
            EXPECT_EQ(screen.labels.at("lblStat02" + counter), value) << screen.number << " " << counter;
        }
    }

    std::vector<ScreenAtBox> screens;
};

TEST_F(StringsBoxesDuringARunTest, BoxesOfTheRunFindTheScreenAsTheCountersAre) {
    sandbox->MakeFile("D:\\S1\\f", "11111");
    sandbox->MakeFile("D:\\S2\\f", "2222222");
    Plan("D:\\Work", {"n", "o[1]"}, {"D:\\S1", "D:\\S2"}, controls().rdoVol02AttachSubFoldersOnlyWithFiles);
    // Files that appear after the structure scan have no size to count.
    WatchBoxes([this] {
        sandbox->MakeFile("D:\\S1\\late", "333");
        sandbox->MakeFile("D:\\S2\\late", "4444");
    });
    ExpectBoxes({"0025?", "0036", "0037", "0373", "0373", "0026"});
    Create();
    ASSERT_EQ(screens.size(), 6u);

    // S1's late file was copied: counted, listed, no size.
    const ScreenAtBox& copied = screens[1];
    EXPECT_EQ(copied.caption, Title + "Warning no: 0036.");
    EXPECT_EQ(copied.text, "The path doesn't exists : \nD:\\S1\\late");
    EXPECT_FALSE(copied.hasOwner);
    ExpectShown(copied, {{"FoldersCreated", "1"}, {"FilesCreated", "2"}, {"FilesSizeCreated", "5"}});
    EXPECT_EQ(copied.filesCreated, (Lines{"D:\\Work\\n\\f", "D:\\Work\\n\\late"}));
    EXPECT_TRUE(copied.pageUpdates);
    EXPECT_TRUE(copied.statisticsUpdates);

    // S2's files are there already: both counted as existing, one without size.
    const ScreenAtBox& notCopied = screens[2];
    EXPECT_EQ(notCopied.caption, Title + "Warning no: 0037.");
    EXPECT_EQ(notCopied.text, "The path doesn't exists : \nD:\\S2\\late");
    EXPECT_FALSE(notCopied.hasOwner);
    ExpectShown(notCopied, {{"FilesExists", "2"}, {"FilesSizeExists", "7"}});
    EXPECT_TRUE(notCopied.pageUpdates);

    // "[" is a character the folder rules refuse in a path although the file
    // system takes it: the folder is made, its structures are refused one by one.
    const ScreenAtBox& refused = screens[3];
    EXPECT_EQ(refused.caption, Title + "Warning no: 0373.");
    EXPECT_EQ(refused.text, "Illegal character in the text : [");
    EXPECT_TRUE(refused.hasOwner);
    ExpectShown(refused, {{"FoldersCreated", "2"}});
    EXPECT_EQ(refused.foldersCreated, (Lines{"D:\\Work\\n", "D:\\Work\\o[1]"}));
    EXPECT_TRUE(refused.pageUpdates);
    EXPECT_TRUE(refused.statisticsUpdates);
    EXPECT_TRUE(sandbox->Exists("D:\\Work\\o[1]"));
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\o[1]\\f"));

    // The end box: everything written, the windows' updates given back.
    ExpectShown(screens[5], {{"FilesCreated", "2"}, {"FilesExists", "2"}});
    EXPECT_TRUE(screens[5].pageUpdates);
    EXPECT_EQ(page->Counters().Created.FilesSize, 5);
    EXPECT_EQ(page->Counters().Exists.FilesSize, 7);
    EXPECT_EQ(sandbox->Read("D:\\Work\\n\\late"), "333");
}

TEST_F(StringsBoxesDuringARunTest, BoxesOfTheSimulationFindTheScreenAsTheCountersAre) {
    sandbox->MakeFile("D:\\S1\\f", "11111");
    Plan("D:\\Work", {"n", "o[1]"}, {"D:\\S1"}, controls().rdoVol02AttachMainFolderWithFiles);
    WatchBoxes([this] { sandbox->MakeFile("D:\\S1\\late", "333"); });
    std::map<std::string, long long> before = Tree();
    ExpectBoxes({"0455?", "0459", "0456", "0457"});
    Simulate();
    ASSERT_EQ(screens.size(), 4u);

    const ScreenAtBox& unsized = screens[1];
    EXPECT_EQ(unsized.caption,
              "Simulate Creating Folder(s).-From a String List.            Warning no: 0459.");
    EXPECT_EQ(unsized.text, "The path doesn't exists : \nD:\\S1\\late");
    EXPECT_FALSE(unsized.hasOwner);
    ExpectShown(unsized, {{"SubFoldersCreated", "1"}, {"FilesCreated", "2"}, {"FilesSizeCreated", "5"}});
    EXPECT_EQ(unsized.filesCreated, (Lines{"D:\\Work\\n\\S1\\f", "D:\\Work\\n\\S1\\late"}));
    EXPECT_TRUE(unsized.pageUpdates);
    EXPECT_TRUE(unsized.statisticsUpdates);

    const ScreenAtBox& refused = screens[2];
    EXPECT_EQ(refused.caption,
              "Simulate Creating Folder(s).-From a String List.            Warning no: 0456.");
    EXPECT_EQ(refused.text, "Illegal character in the text : [");
    ExpectShown(refused, {{"FoldersCreated", "2"}});
    EXPECT_EQ(refused.foldersCreated, (Lines{"D:\\Work\\n", "D:\\Work\\o[1]"}));
    EXPECT_TRUE(refused.pageUpdates);

    before["D/S1/late"] = 3; // made by the test while the question was up
    EXPECT_EQ(Tree(), before);
}

TEST_F(StringsPageTest, AStructureGivenWithBlanksIsCopiedToTheSamePlaces) {
    // The relative part of each listed folder is cut from the trimmed root:
    // cut by the length of the item with its blanks, a\y would land beside a.
    sandbox->MakeFile("D:\\S\\a\\y", "yy");
    Plan("D:\\Work", {"n"}, {"  D:\\S  "}, controls().rdoVol02AttachMainFolderWithFiles);
    CreateToTheEnd();
    EXPECT_EQ(sandbox->Read("D:\\Work\\n\\S\\a\\y"), "yy");
    EXPECT_FALSE(sandbox->Exists("D:\\Work\\n\\S\\y"));
    EXPECT_EQ(page->Counters().Created.FilesSize, 2); // found in the size map: no box
}

namespace {

// Another program makes a folder the list names later, in another letter
// case, while the run creates the folders before it: the run finds it there
// and makes no twin beside it, whether its destination is watched, reached
// through a link, or not watched at all.
TEST_F(StringsPageTest, AFolderMadeMeanwhileInAnotherCaseGetsNoTwin) {
    struct Case {
        std::string name;
        std::string destination; // the run's; D:\Real\Dest on the host
        bool watches;
    };
    const Case cases[] = {
        {"watched", "D:\\Real\\Dest", true},
        {"through a link", "D:\\L\\Dest", true},
        {"no watch to be had", "D:\\Real\\Dest", false},
    };
    sandbox->MakeFolder("D:\\Real");
    ASSERT_EQ(symlink(sandbox->Host("D:\\Real").c_str(), sandbox->Host("D:\\L").c_str()), 0);
    Lines items;
    for (int i = 0; i < 30; ++i)
        items.push_back("n" + std::to_string(1000 + i));
    for (const Case& c : cases) {
        sandbox->MakeFolder("D:\\Real\\Dest");
        controls().lstVol02IncludeStrings->Clear();
        Plan(c.destination, items);
        platform::SetFolderWatchesAvailable(c.watches);
        int calls = 0;
        desktop->OnProcessMessages([&] {
            if (++calls == 15) {
                ASSERT_EQ(mkdir(sandbox->Host("D:\\Real\\Dest\\N1029").c_str(), 0777), 0);
            }
        });
        CreateToTheEnd();
        desktop->OnProcessMessages({});
        platform::SetFolderWatchesAvailable(true);

        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sandbox->Host("D:\\Real\\Dest")),
                                std::filesystem::directory_iterator()),
                  30)
            << c.name;
        EXPECT_EQ(page->Counters().Created.Folders, 29) << c.name;
        EXPECT_EQ(page->Counters().Exists.Folders, 1) << c.name;
        std::filesystem::remove_all(sandbox->Host("D:\\Real\\Dest"));
    }
}

} // namespace
