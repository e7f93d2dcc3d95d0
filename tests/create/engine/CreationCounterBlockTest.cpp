// A counter block during a run: the statistics window's lists take the names
// held back a few times a second, and all of them whenever the run ends or a
// box comes up.

#include "create/engine/CreationCounterBlock.h"

#include "ui/ListBox.h"

#include <QLabel>
#include <QThread>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

namespace {

struct StatisticsWindow {
    QWidget window;
    ui::ListBox* lists[5] = {};
    QLabel* foldersCreated = nullptr;

    StatisticsWindow() {
        const char* names[5] = {"FoldersCreated", "FoldersExists", "FoldersOther", "SubFoldersCreated",
                                "FilesCreated"};
        for (int i = 0; i < 5; ++i) {
            lists[i] = new ui::ListBox(&window);
            lists[i]->setObjectName(QString("lstStat02") + names[i]);
        }
        foldersCreated = new QLabel("0", &window);
        foldersCreated->setObjectName("lblStat02FoldersCreated");
    }
    int Count(StatisticList which) const { return lists[static_cast<int>(which)]->Count(); }
};

void Sleep(qint64 milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace

TEST(CreationCounterBlock, ListsTakeTheirNamesAFewTimesASecondDuringARun) {
    StatisticsWindow w;
    CreationCounterBlock block;
    block.BindStatistics(&w.window, "lblStat02", "lstStat02");
    // Outside a run a name goes in at once.
    block.AddToList(StatisticList::FoldersCreated, "D:\\before");
    EXPECT_EQ(w.Count(StatisticList::FoldersCreated), 1);
    {
        RepaintRunScope run(block.Repaints(), {&w.window});
        block.RecordCreated("D:\\a");
        block.AddToList(StatisticList::FilesCreated, "D:\\a\\f");
        EXPECT_EQ(w.Count(StatisticList::FoldersCreated), 1);
        EXPECT_EQ(w.Count(StatisticList::FilesCreated), 0);
        EXPECT_EQ(w.foldersCreated->text(), "0");

        // The first frame writes labels and lists.
        Sleep(RepaintThrottle::FrameMilliseconds + 5);
        block.RecordCreated("D:\\b");
        EXPECT_EQ(w.foldersCreated->text(), "2");
        EXPECT_EQ(w.Count(StatisticList::FoldersCreated), 3);
        EXPECT_EQ(w.Count(StatisticList::FilesCreated), 1);

        // The next frame writes the labels only...
        block.RecordCreated("D:\\c");
        Sleep(RepaintThrottle::FrameMilliseconds + 5);
        block.RefreshBoth();
        EXPECT_EQ(w.foldersCreated->text(), "3");
        EXPECT_EQ(w.Count(StatisticList::FoldersCreated), 3);

        // ...and the lists have their turn again once their time has come.
        Sleep(CreationCounterBlock::ListMilliseconds);
        block.RefreshBoth();
        EXPECT_EQ(w.Count(StatisticList::FoldersCreated), 4);

        // A box in the middle of the run finds every name in its list.
        block.RecordCreated("D:\\d");
        {
            RepaintPause box(block.Repaints());
            EXPECT_EQ(w.Count(StatisticList::FoldersCreated), 5);
            EXPECT_EQ(w.foldersCreated->text(), "4");
        }
        block.RecordCreated("D:\\e");
        block.AddToList(StatisticList::SubFoldersCreated, "D:\\e\\s");
    }
    // The end of the run writes everything that was held back.
    EXPECT_EQ(w.lists[0]->Items(),
              (std::vector<std::string>{"D:\\before", "D:\\a", "D:\\b", "D:\\c", "D:\\d", "D:\\e"}));
    EXPECT_EQ(w.Count(StatisticList::SubFoldersCreated), 1);
    EXPECT_EQ(w.foldersCreated->text(), "5");
    EXPECT_EQ(block.Counters.Created.Folders, 5);
}

TEST(CreationCounterBlock, ANewStatisticsWindowGetsOnlyItsOwnNames) {
    StatisticsWindow first;
    StatisticsWindow second;
    CreationCounterBlock block;
    block.BindStatistics(&first.window, "lblStat02", "lstStat02");
    RepaintRunScope run(block.Repaints(), {&first.window});
    Sleep(RepaintThrottle::FrameMilliseconds + 5);
    block.RecordCreated("D:\\a"); // a frame: the lists' clock starts
    block.RecordCreated("D:\\b"); // held back
    block.BindStatistics(&second.window, "lblStat02", "lstStat02");
    EXPECT_EQ(first.lists[0]->Items(), (std::vector<std::string>{"D:\\a", "D:\\b"}));
    block.RecordCreated("D:\\c");
    block.ClearStatisticLists();
    block.RecordCreated("D:\\d");
    Sleep(CreationCounterBlock::ListMilliseconds);
    block.RefreshBoth();
    EXPECT_EQ(second.lists[0]->Items(), std::vector<std::string>{"D:\\d"});
}
