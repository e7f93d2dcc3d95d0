// A line names one folder however it is written: slashes, doubled or trailing
// backslashes, "." and "..", a file inside it. The preview, the simulation,
// the run, its Undo and the free-space check all read it so.

#include "ui_TfrmStatistic04.h"
#include "ui_Vol04PathsPage.h"

#include "PathsPageFixture.h"

#include <QGroupBox>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace pathstests;
using ui::Answer;

namespace {

struct Outcome {
    std::vector<std::string> created;
    std::vector<std::string> exists;
    std::vector<std::string> other;
};

} // namespace

// Mended: "/" reached the list through Edit List and was cut at "\" only.
TEST_F(PathsPageTest, LinesWrittenWithSlashesAreTakenApartAtEveryName) {
    sandbox->MakeFolder("D:\\Work");
    controls().edtVol04Prefix->setText("P");
    controls().edtVol04Suffix->setText("S");
    controls().chkVol04Hyphen->setChecked(true);
    AddLines({"D:/Work/Jan", "D:/Work/Feb/"});
    EXPECT_EQ(PageLabel("StartFolder"), "D:\\Work\\P-Jan-S");
    EXPECT_EQ(PageLabel("EndFolder"), "D:\\Work\\P-Feb-S");
    const std::map<std::string, long long> before = Tree();

    SimulateToTheEnd();
    const std::vector<std::string> expected = {"D:\\Work\\P-Jan-S", "D:\\Work\\P-Feb-S"};
    EXPECT_EQ(stat().lstStat04FoldersCreated->Items(), expected);
    CreateToTheEnd();
    EXPECT_EQ(Items(page->ResultLists().Created.Folders), expected);
    std::map<std::string, long long> after = before;
    after["D/Work/P-Jan-S"] = -1;
    after["D/Work/P-Feb-S"] = -1;
    EXPECT_EQ(Tree(), after);

    ExpectBoxes({"0068?", "0070"});
    Click(controls().btnVol04Undo);
    EXPECT_EQ(Tree(), before);
}

// Mended: the simulation counted every line as new, refused a drive's root
// and created below a file; the run found them as they are.
TEST_F(PathsPageTest, LinesNamingOneFolderAreOneFolderInSimulationAndRun) {
    sandbox->MakeFolder("D:\\Work");
    sandbox->MakeFile("D:\\Work\\blocker", "x");
    struct Case {
        std::string prefix;
        std::string suffix;
        Outcome outcome;
    };
    const std::vector<std::string> lines = {
        "D:\\Work\\Jan",  "D:\\Work\\Jan\\", "D:\\Work\\Jan\\notes.txt",  "D:\\Work\\x\\..",
        "D:\\Work\\.\\x", "d:\\work\\X",     "D:\\Work\\blocker\\inside", "D:\\"};
    const Case cases[] = {
        {"",
         "",
         {{"D:\\Work\\Jan", "D:\\Work\\x"},
          {"D:\\Work\\Jan", "D:\\Work\\Jan", "D:\\Work", "D:\\work\\X", "D:\\"},
          {"D:\\Work\\blocker\\inside"}}},
        // A drive's root has no name to decorate: it stays the root.
        {"P",
         "S",
         {{"D:\\Work\\P-Jan-S", "D:\\P-Work-S", "D:\\Work\\P-x-S"},
          {"D:\\Work\\P-Jan-S", "D:\\Work\\P-Jan-S", "D:\\work\\P-X-S", "D:\\"},
          {"D:\\Work\\blocker\\P-inside-S"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("prefix " + c.prefix + ", suffix " + c.suffix);
        include().Clear();
        controls().edtVol04Prefix->setText(QString::fromStdString(c.prefix));
        controls().edtVol04Suffix->setText(QString::fromStdString(c.suffix));
        controls().chkVol04Hyphen->setChecked(true);
        AddLines(lines);
        const std::map<std::string, long long> before = Tree();
        SimulateToTheEnd();
        EXPECT_EQ(stat().lstStat04FoldersCreated->Items(), c.outcome.created);
        EXPECT_EQ(stat().lstStat04FoldersExists->Items(), c.outcome.exists);
        EXPECT_EQ(stat().lstStat04FoldersOther->Items(), c.outcome.other);
        const CreationCounters simulated = page->Counters();

        CreateToTheEnd();
        EXPECT_EQ(Items(page->ResultLists().Created.Folders), c.outcome.created);
        EXPECT_EQ(Items(page->ResultLists().Exists.Folders), c.outcome.exists);
        EXPECT_EQ(Items(page->ResultLists().Other.Folders), c.outcome.other);
        EXPECT_EQ(simulated.Created.Folders, page->Counters().Created.Folders);
        EXPECT_EQ(simulated.Exists.Folders, page->Counters().Exists.Folders);
        EXPECT_EQ(simulated.Other.Folders, page->Counters().Other.Folders);
        EXPECT_FALSE(sandbox->Exists("D:\\P--S"));

        ExpectBoxes({"0068?", "0070"});
        Click(controls().btnVol04Undo);
        EXPECT_EQ(Tree(), before);
    }
}

// Mended: a line naming a file was charged where the file lies, one level
// below the folder the run creates.
TEST_F(PathsPageTest, ALineNamingAFileIsChargedWhereItsFolderIsCreated) {
    std::string shm = "/dev/shm/foldersmith-dotted-XXXXXX";
    struct stat tmpStat {};
    struct stat shmStat {};
    if (::stat("/dev/shm", &shmStat) != 0 || ::stat(sandbox->HostRoot('D').c_str(), &tmpStat) != 0 ||
        shmStat.st_dev == tmpStat.st_dev || !::mkdtemp(shm.data()))
        GTEST_SKIP() << "no second file system here";
    // D:\Mounted leads to another file system, as a disk mounted there would.
    std::filesystem::create_directory_symlink(shm, sandbox->Host("D:\\Mounted"));
    sandbox->MakeFile("D:\\S\\big", std::string(1000, 'b'));
    AddStructure("D:\\S");
    // The first line's folder is D:\P-Mounted, beside the link, not inside it.
    AddLines({"D:\\Mounted\\rel1.2", "D:\\Work"});
    controls().edtVol04Prefix->setText("P");
    Choose(controls().rdoVol04AttachMainFolderWithFiles);
    const std::vector<FileSystemNeed> needs = page->SumVol04DriveNeeds();
    ASSERT_EQ(needs.size(), 1u);
    EXPECT_EQ(needs[0].root, "D:\\");
    EXPECT_EQ(needs[0].neededBytes, 2000u);
    std::filesystem::remove_all(shm);
}

TEST_F(PathsPageTest, PreviewLabelsSitInTheirOwnGroup) {
    for (QLabel* label : {controls().lblVol04StartFolder, controls().lblVol04EndFolder}) {
        const auto* group = qobject_cast<QGroupBox*>(label->parentWidget());
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->title().toStdString(), "Preview");
    }
}

// Mended: the simulation counted a link that led nowhere under other reasons
// though an earlier line makes its target, where the run finds the folder.
TEST_F(PathsPageTest, ALinkLeadingToWhatAnEarlierLineMakesExistsInSimulationAndRun) {
    sandbox->MakeFolder("D:\\Work");
    std::filesystem::create_directory_symlink("sub", sandbox->Host("D:\\Work\\toSub"));
    std::filesystem::create_directory_symlink("toSub", sandbox->Host("D:\\Work\\toLink"));
    std::filesystem::create_directory_symlink("nowhere", sandbox->Host("D:\\Work\\dangling"));
    AddLines({"D:\\Work\\toSub", "D:\\Work\\sub\\more", "D:\\Work\\toSub", "D:\\Work\\toLink",
              "D:\\Work\\dangling"});
    const Outcome expected = {{"D:\\Work\\sub\\more"},
                              {"D:\\Work\\toSub", "D:\\Work\\toLink"},
                              {"D:\\Work\\toSub", "D:\\Work\\dangling"}};

    SimulateToTheEnd();
    EXPECT_EQ(stat().lstStat04FoldersCreated->Items(), expected.created);
    EXPECT_EQ(stat().lstStat04FoldersExists->Items(), expected.exists);
    EXPECT_EQ(stat().lstStat04FoldersOther->Items(), expected.other);
    CreateToTheEnd();
    EXPECT_EQ(Items(page->ResultLists().Created.Folders), expected.created);
    EXPECT_EQ(Items(page->ResultLists().Exists.Folders), expected.exists);
    EXPECT_EQ(Items(page->ResultLists().Other.Folders), expected.other);
}
