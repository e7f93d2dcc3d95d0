// A rename line names one folder however it is written: the run orders and
// renames it so, the simulation sees the run's own renames (also through the
// links the list holds), and the log names each folder where it ended up.

#include "ui_TfrmStatistic06.h"
#include "ui_Vol06RenamePage.h"

#include "RenamePageFixture.h"

#include "manage/shared/LevelListBuilder.h"

using namespace renametests;
using ui::Answer;

namespace {

class RenameOneFolderTest : public RenamePageTest {
protected:
    // The counters but the first, folders to rename.
    Lines Outcome() const {
        const Lines counters = Counters();
        return {counters.begin() + 1, counters.end()};
    }
    // Simulates, then runs: both must say the same, in counts and lists.
    void SimulateThenRename(const Lines& expectedCounters, const Lines& expectedRenamed) {
        const auto before = Tree();
        Simulate();
        EXPECT_EQ(Tree(), before);
        EXPECT_EQ(Outcome(), expectedCounters) << "simulation";
        EXPECT_EQ(stat().lstStat06FoldersRenamed->Items(), expectedRenamed) << "simulation";
        Rename();
        EXPECT_EQ(Outcome(), expectedCounters) << "run";
        EXPECT_EQ(stat().lstStat06FoldersRenamed->Items(), expectedRenamed) << "run";
    }
};

} // namespace

// Mended: the run counted the backslashes of the raw text, so "D:\W2\\A" went
// before its own subfolder, whose rename then failed.
TEST_F(RenameOneFolderTest, LinesWrittenAnyWayAreRenamedDeepestFirst) {
    sandbox->MakeFolder("D:\\W2\\A\\B");
    sandbox->MakeFolder("D:\\W3\\A\\B");
    sandbox->MakeFolder("D:\\W4\\A\\B");
    SetLines({"D:\\W2\\\\A", "D:\\W2\\A\\B", "D:\\W3\\.\\A", "D:\\W3\\A\\B", "D:/W4/A/", "D:\\W4\\A\\B"});
    RenameTheLastSubFolder("Z");
    SimulateThenRename({"6", "0", "0", "0"}, {"D:\\W2\\Z\\Z", "D:\\W3\\Z\\Z", "D:\\W4\\Z\\Z", "D:\\W2\\Z",
                                              "D:\\W3\\Z", "D:\\W4\\Z"});
    for (const char* folder : {"D:\\W2\\Z\\Z", "D:\\W3\\Z\\Z", "D:\\W4\\Z\\Z"})
        EXPECT_TRUE(sandbox->Exists(folder)) << folder;
}

// Mended: with a folder link and its target both listed, the simulation
// renamed both; the run found the link leading nowhere once the target went.
TEST_F(RenameOneFolderTest, AFolderLinkAndItsTargetBothListedComeOutAsInTheRun) {
    sandbox->MakeFolder("D:\\T");
    sandbox->MakeFolder("D:\\P\\Inner");
    Link("D:\\L", "D:\\T");
    Link("D:\\M", "D:\\P\\Inner");
    // The target renamed before its link; a link whose target's parent goes;
    // a link renamed before its target keeps leading to it.
    SetLines({"D:\\T", "D:\\L", "D:\\P", "D:\\M"});
    Click(controls().rdoVol06RenameAddPrefixesSuffixes);
    Type(controls().edtVol06NewPrefix, "p");
    SimulateThenRename({"2", "0", "0", "2"}, {"D:\\pT", "D:\\pP"});
    EXPECT_EQ(stat().lstStat06FoldersOtherReasons->Items(), (Lines{"D:\\L", "D:\\M"}));

    Link("D:\\K", "D:\\pT");
    SetLines({"D:\\K", "D:\\pT"});
    SimulateThenRename({"2", "0", "0", "0"}, {"D:\\pK", "D:\\ppT"});
}

// Mended: a folder renamed before its parent was listed at the path it had
// before the parent's rename, and Smart Export handed that path on.
TEST_F(RenameOneFolderTest, RenamedFoldersAreListedWhereTheyEndUp) {
    sandbox->MakeFolder("D:\\P\\A\\B\\C");
    SetLines({"D:\\P\\A", "D:\\P\\A\\B", "D:\\P\\A\\B\\C"});
    RenameTheLastSubFolder("Z");
    SimulateThenRename({"3", "0", "0", "0"}, {"D:\\P\\Z\\Z\\Z", "D:\\P\\Z\\Z", "D:\\P\\Z"});
    EXPECT_TRUE(sandbox->Exists("D:\\P\\Z\\Z\\Z"));
}

// Mended: the reversed range used the run's own number and left the page
// without its refresh.
TEST_F(RenameOneFolderTest, ReversedLevelRangeHasItsOwnBoxAndRefreshesThePage) {
    sandbox->MakeFolder("D:\\Root\\A");
    Click(controls().rdoVol06MakeListSelector);
    page->LevelBuilder().SelectLevelRootFolder("D:\\Root");
    Type(controls().edtVol06FromLevelNumber, "3");
    Type(controls().edtVol06ToLevelNumber, "1");
    page->Vol06FoldersRenamed = 5;
    desktop->ExpectBox("0324");
    Click(controls().btnVol06MakeList);
    EXPECT_EQ(desktop->LastBox().caption,
              "Rename Folders - From a Folder List - Level.            Warning no: 0324.");
    EXPECT_EQ(page->Vol06FoldersRenamed, 0); // the refresh reset the counters
    EXPECT_EQ(include().Count(), 0);
}

// Mended: with folders "abc" and "ABC" side by side, the run renamed "abc"
// but recorded the first name that matched ignoring case, "ABC", so that
// Undo would give the folder back under the other one's name.
TEST_F(RenameOneFolderTest, TheExactNameIsRecordedBesideAnotherCaseOfIt) {
    sandbox->MakeFile("D:\\Q\\abc\\lower.txt", "lower");
    sandbox->MakeFile("D:\\Q\\ABC\\upper.txt", "upper");
    SetLines({"D:\\Q\\abc"});
    RenameTheLastSubFolder("zz");
    Rename();
    EXPECT_EQ(sandbox->Read("D:\\Q\\zz\\lower.txt"), "lower");
    EXPECT_EQ(sandbox->Read("D:\\Q\\ABC\\upper.txt"), "upper");
    ASSERT_EQ(page->RenameUndoList.size(), 1u);
    EXPECT_EQ(page->RenameUndoList[0].Before, "D:\\Q\\abc");
    EXPECT_EQ(page->RenameUndoList[0].After, "D:\\Q\\zz");
    platform::EntryIdentity renamed;
    ASSERT_TRUE(platform::GetEntryIdentity("D:\\Q\\zz", renamed));
    ASSERT_TRUE(page->RenameUndoList[0].Renamed);
    EXPECT_EQ(page->RenameUndoList[0].Renamed->identity, renamed);
}
