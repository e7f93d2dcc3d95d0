// The copy statistics window reads as a table: each counter stands in the row
// of its caption, beside the caption that names it, and no caption stands in
// a column of counters.

#include "manage/copy/TfrmStatistic08.h"

#include <QGridLayout>
#include <QLabel>
#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

TEST(Statistic08Layout, EveryCounterStandsInItsRowBesideItsCaption) {
    TfrmStatistic08 window;
    const auto* grid = window.findChild<QGridLayout*>("lay10");
    ASSERT_NE(grid, nullptr);
    // Row and column of a label in the grid; (-1, -1) when it is not there.
    const auto at = [&](const char* name) {
        const int index = grid->indexOf(window.findChild<QLabel*>(name));
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        if (index >= 0)
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        return std::pair{row, column};
    };
    const struct {
        const char* caption;
        const char* counters[4]; // left to right
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
    for (const auto& r : rows) {
        auto [row, previous] = at(r.caption);
        ASSERT_GE(row, 0) << r.caption;
        for (const char* counter : r.counters) {
            const auto [counterRow, column] = at(counter);
            EXPECT_EQ(counterRow, row) << counter;
            EXPECT_GT(column, previous) << counter << " stands right of the one before";
            previous = column;
            counterColumns.insert(column);
        }
    }
    // The captions of single counters stand directly left of them.
    using Named = std::pair<const char*, const char*>;
    for (const auto& [caption, counter] :
         {Named{"lblStat08FoldersTotal", "lblStat08FoldersToCopy"},
          Named{"lblStat08RowNotExists", "lblStat08FoldersNotExists"},
          Named{"lblStat08FoldersAlreadyExists", "lblStat08SubFoldersExists"}}) {
        const auto [row, column] = at(caption);
        EXPECT_EQ(std::pair(row, column + 1), at(counter)) << caption;
        EXPECT_EQ(counterColumns.count(column), 0u) << caption << " stands in a column of counters";
    }
}

} // namespace
