// The copy statistics window reads as a table: each counter stands in the row
// of its caption, beside the caption that names it, and no caption stands in
// a column of counters.

#include "manage/copy/TfrmStatistic08.h"

#include <QGridLayout>
#include <QLabel>
#include <gtest/gtest.h>

#include <set>
#include <string>
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
    // Rows: to copy, copied, already there; columns: destination folders,
    // then the structure's folders, files and file size.
    std::set<int> counterColumns;
    for (const std::string row : {"ToCopy", "Copied", "Exists"}) {
        auto [caption, previous] = at(("lblStat08Row" + row).c_str());
        ASSERT_GE(caption, 0) << row;
        for (const std::string column : {"Folders", "SubFolders", "Files", "FileSize"}) {
            const std::string counter =
                "lblStat08" + column + (column + row == "FoldersExists" ? "NotExists" : row);
            const auto [counterRow, counterColumn] = at(counter.c_str());
            EXPECT_EQ(counterRow, caption) << counter;
            EXPECT_GT(counterColumn, previous) << counter << " stands right of the one before";
            previous = counterColumn;
            counterColumns.insert(counterColumn);
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
