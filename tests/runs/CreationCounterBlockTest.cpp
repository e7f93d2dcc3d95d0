// A counter block during a run: at each frame the statistics window's lists
// take the names held back together with the labels, and all of them whenever
// the run ends or a box comes up.

#include "runs/CreationCounterBlock.h"

#include "ui/ResultList.h"

#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

struct StatisticsWindow {
    QWidget window;
    ui::ResultList* lists[5] = {};
    QLabel* foldersCreated = nullptr;

    StatisticsWindow() {
        const char* names[5] = {"FoldersCreated", "FoldersExists", "FoldersOther", "SubFoldersCreated",
                                "FilesCreated"};
        for (int i = 0; i < 5; ++i) {
            lists[i] = new ui::ResultList(&window);
            lists[i]->setObjectName(QString("lstStat02") + names[i]);
        }
        foldersCreated = new QLabel("0", &window);
        foldersCreated->setObjectName("lblStat02FoldersCreated");
    }
    int Count(StatisticList which) const { return lists[static_cast<int>(which)]->Count(); }
};

} // namespace

TEST(CreationCounterBlock, ListsAndLabelsAreWrittenTogetherAtEachFrame) {
    StatisticsWindow w;
    CreationCounterBlock block;
    block.BindStatistics(&w.window, "lblStat02", "lstStat02");
    // Outside a run a name goes in at once.
    block.AddToList(StatisticList::FoldersCreated, "D:\\before");
    EXPECT_EQ(w.Count(StatisticList::FoldersCreated), 1);
    {
        RepaintRunScope run(block.Repaints(), {&w.window});
        // Between frames nothing is written.
        block.Repaints().SetFrameMilliseconds(std::numeric_limits<qint64>::max());
        block.RecordCreated("D:\\a");
        block.AddToList(StatisticList::FilesCreated, "D:\\a\\f");
        EXPECT_EQ(w.Count(StatisticList::FoldersCreated), 1);
        EXPECT_EQ(w.Count(StatisticList::FilesCreated), 0);
        EXPECT_EQ(w.foldersCreated->text(), "0");

        // Every frame writes labels and lists alike.
        block.Repaints().SetFrameMilliseconds(0);
        for (const char* name : {"D:\\b", "D:\\c"}) {
            block.RecordCreated(name);
            EXPECT_EQ(w.foldersCreated->text().toInt() + 1, w.Count(StatisticList::FoldersCreated));
        }
        block.RecordExists("D:\\x", nullptr);
        EXPECT_EQ(w.Count(StatisticList::FoldersExists), 1);
        EXPECT_EQ(w.Count(StatisticList::FilesCreated), 1);
        EXPECT_EQ(w.foldersCreated->text(), "3");

        // A box in the middle of the run finds every name in its list.
        block.Repaints().SetFrameMilliseconds(std::numeric_limits<qint64>::max());
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
    block.Repaints().SetFrameMilliseconds(std::numeric_limits<qint64>::max());
    block.RecordCreated("D:\\a");
    block.RecordCreated("D:\\b"); // held back
    block.BindStatistics(&second.window, "lblStat02", "lstStat02");
    EXPECT_EQ(first.lists[0]->Items(), (std::vector<std::string>{"D:\\a", "D:\\b"}));
    block.RecordCreated("D:\\c");
    block.ClearStatisticLists();
    block.Repaints().SetFrameMilliseconds(0);
    block.RecordCreated("D:\\d");
    EXPECT_EQ(second.lists[0]->Items(), std::vector<std::string>{"D:\\d"});
}
