// What the screen shows during a rename run: its counters and the statistics
// window's lists change together, at the run's frames only.

#include "ui_TfrmStatistic06.h"
#include "ui_Vol06RenamePage.h"

#include "RenamePageFixture.h"

#include "support/PaintWatcher.h"
#include "tools/TfrmOverViewHelp.h"
#include "ui/Desktop.h"
#include "ui/ResultList.h"

#include <QApplication>
#include <QProgressBar>

#include <limits>
#include <vector>

using namespace renametests;

namespace {

// One look at the screen, taken at every paint of the page or of the
// statistics window while the run goes on.
struct Sample {
    Lines page;
    Lines window;
    Lines lists; // the items each list can show, "-" when not laid out yet
    int bar = 0;
};

class RenameRunScreenTest : public RenamePageTest {
protected:
    Sample Look() {
        Sample sample{PageCounters(), WindowCounters(), {}, controls().pbVol06ProgressBar->value()};
        for (ui::ResultList* list :
             {stat().lstStat06FoldersRenamed, stat().lstStat06FoldersSourceNotExists,
              stat().lstStat06FoldersDestinationExists, stat().lstStat06FoldersOtherReasons}) {
            const int count = list->Count();
            const bool laidOut = count == 0 || list->visualRect(list->model()->index(count - 1, 0)).isValid();
            sample.lists.push_back(laidOut ? std::to_string(count) : "-");
        }
        return sample;
    }
    // The folders under D:\\W and the lines, renamed with the prefix x and
    // every result listed.
    void Plan(std::initializer_list<const char*> folders, const Lines& lines) {
        for (const char* name : folders)
            sandbox->MakeFolder(std::string("D:\\W\\") + name);
        SetLines(lines);
        Type(controls().edtVol06NewPrefix, "x");
        controls().chkVol06ShowDetailedResults->setChecked(true);
    }
};

} // namespace

TEST_F(RenameRunScreenTest, EveryPaintShowsCountersAndListsOfOneMoment) {
    Plan({"A", "B", "C", "xD", "D"}, {"D:\\W\\A", "D:\\W\\Gone", "D:\\W\\B", "D:\\W\\D", "D:\\W\\C", "D:\\"});
    page->show();
    frmStatistic06->show();
    QApplication::processEvents(); // both windows are on the screen before the run
    // Every repaint of the run is a frame, so that each one is looked at.
    page->Repaints().SetFrameMilliseconds(0);
    testsupport::PaintWatcher<Sample> watcher(page->Repaints(), [this] { return Look(); },
                                              {page.get(), frmStatistic06});

    Rename();
    frmStatistic06->hide();
    page->hide();

    int duringRun = 0;
    for (size_t i = 0; i < watcher.samples.size(); ++i) {
        const Sample& s = watcher.samples[i];
        SCOPED_TRACE("paint " + std::to_string(i));
        EXPECT_EQ(s.page, s.window);
        EXPECT_EQ(s.lists, Lines(s.window.begin() + 1, s.window.end()));
        const int recorded =
            std::stoi(s.window[1]) + std::stoi(s.window[2]) + std::stoi(s.window[3]) + std::stoi(s.window[4]);
        // The bar stands at the line under way, which is already counted.
        if (recorded > 0) {
            ++duringRun;
            EXPECT_EQ(s.bar, recorded - 1);
        }
    }
    // Each line was painted at least once.
    EXPECT_GE(duringRun, 6);
    EXPECT_EQ(WindowCounters(), (Lines{"6", "3", "1", "1", "1"}));
}

TEST_F(RenameRunScreenTest, BetweenFramesTheListsWaitWithTheCounters) {
    Plan({"A", "B", "C", "xC"}, {"D:\\W\\A", "D:\\W\\Gone", "D:\\W\\B", "D:\\W\\C"});
    // No frame comes before the run ends.
    page->Repaints().SetFrameMilliseconds(std::numeric_limits<qint64>::max());
    std::vector<Sample> duringRun;
    desktop->OnProcessMessages([&] { duringRun.push_back(Look()); });

    Rename();

    ASSERT_EQ(duringRun.size(), 4u);
    for (const Sample& s : duringRun) {
        EXPECT_EQ(s.window, (Lines{"4", "0", "0", "0", "0"}));
        EXPECT_EQ(s.lists, (Lines{"0", "0", "0", "0"}));
    }
    EXPECT_EQ(Look().lists, (Lines{"2", "1", "1", "0"}));
    EXPECT_EQ(stat().lstStat06FoldersRenamed->Items(), (Lines{"D:\\W\\xA", "D:\\W\\xB"}));
    page->Repaints().SetFrameMilliseconds(RepaintThrottle::FrameMilliseconds);
}

TEST_F(RenameRunScreenTest, AWindowOpenedDuringTheRunHasTheCountersAndListsOfItsMomentBehindIt) {
    Plan({"A", "B", "C", "xC"}, {"D:\\W\\A", "D:\\W\\Gone", "D:\\W\\B", "D:\\W\\C"});
    page->Repaints().SetFrameMilliseconds(std::numeric_limits<qint64>::max());
    // Before the third line, the person opens Help's overview.
    int turns = 0;
    desktop->OnProcessMessages([&] {
        if (++turns == 3)
            ui::desktop().ShowModal(*frmOverViewHelp);
    });
    std::vector<Sample> behind;
    ExpectBoxes({"0206?"});
    desktop->ExpectModal("frmOverViewHelp", [&](ui::Form&) { behind.push_back(Look()); });
    ExpectBoxes({"0207"});
    Click(controls().btnVol06RenameFolders);
    page->Repaints().SetFrameMilliseconds(RepaintThrottle::FrameMilliseconds);

    ASSERT_EQ(behind.size(), 1u);
    EXPECT_EQ(behind[0].window, (Lines{"4", "1", "1", "0", "0"}));
    EXPECT_EQ(behind[0].page, behind[0].window);
    EXPECT_EQ(behind[0].lists, (Lines{"1", "1", "0", "0"}));
}
