// The copy statistics window reads as a table: each counter stands in the row
// of its caption, beside the caption that names it, and no caption stands in
// a column of counters.

#include "manage/copy/TfrmStatistic08.h"

#include <QGridLayout>
#include <QLabel>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct Cell {
    int row = -1;
    int column = -1;
};

class Statistic08LayoutTest : public testing::Test {
protected:
    Cell At(const char* name) {
        auto* label = window.findChild<QLabel*>(name);
        EXPECT_NE(label, nullptr) << name;
        auto* grid = window.findChild<QGridLayout*>("lay10");
        EXPECT_NE(grid, nullptr);
        Cell cell;
        int rowSpan = 0, columnSpan = 0;
        if (label && grid && grid->indexOf(label) >= 0)
            grid->getItemPosition(grid->indexOf(label), &cell.row, &cell.column, &rowSpan, &columnSpan);
        return cell;
    }
    TfrmStatistic08 window;
};

TEST_F(Statistic08LayoutTest, EveryCounterStandsInItsRowBesideItsCaption) {
    struct Row {
        const char* caption;
        const char* counters[4];
    } rows[] = {
        {"lblStat08RowToCopy",
         {"lblStat08FoldersToCopy", "lblStat08SubFoldersToCopy", "lblStat08FilesToCopy",
          "lblStat08FileSizeToCopy"}},
        {"lblStat08RowCopied",
         {"lblStat08FoldersCopied", "lblStat08SubFoldersCopied", "lblStat08FilesCopied",
          "lblStat08FileSizeCopied"}},
        {"lblStat08RowExists",
         {"lblStat08FoldersNotExists", "lblStat08SubFoldersExists", "lblStat08FilesExists",
          "lblStat08FileSizeExists"}},
    };
    std::set<int> counterColumns;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        const Cell caption = At(r.caption);
        ASSERT_GE(caption.row, 0);
        int previous = caption.column;
        for (const char* counter : r.counters) {
            const Cell cell = At(counter);
            EXPECT_EQ(cell.row, caption.row) << counter;
            EXPECT_GT(cell.column, previous) << counter << " stands right of the one before";
            previous = cell.column;
            counterColumns.insert(cell.column);
        }
    }
    // The captions of single counters stand directly left of them.
    const struct {
        const char* caption;
        const char* counter;
    } named[] = {{"lblStat08FoldersTotal", "lblStat08FoldersToCopy"},
                 {"lblStat08RowNotExists", "lblStat08FoldersNotExists"},
                 {"lblStat08FoldersAlreadyExists", "lblStat08SubFoldersExists"}};
    for (const auto& n : named) {
        SCOPED_TRACE(n.caption);
        const Cell caption = At(n.caption);
        const Cell counter = At(n.counter);
        EXPECT_EQ(caption.row, counter.row);
        EXPECT_EQ(caption.column + 1, counter.column);
        EXPECT_EQ(counterColumns.count(caption.column), 0u) << "a caption in a column of counters";
    }
}

} // namespace
