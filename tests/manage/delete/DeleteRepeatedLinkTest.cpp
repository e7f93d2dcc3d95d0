// A link given as a main folder is one entry however the lines write it: it
// is deleted and counted once, by the simulation as by the run. Inside
// another main folder it goes with that folder, as a file.

#include "ui_TfrmStatistics07.h"
#include "ui_Vol07DeletePage.h"

#include "DeletePageFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace deletetests;
using ui::Answer;

namespace {

class DeleteRepeatedLinkTest : public DeletePageTest {};

TEST_F(DeleteRepeatedLinkTest, IsDeletedAndCountedOnce) {
    const struct {
        Lines lines;
        Lines foldersDeleted;
        Lines filesDeleted;
    } cases[] = {
        {{"D:\\M\\L", "D:\\\\M\\\\L"}, {"D:\\M\\L"}, {}},
        {{"D:\\M\\L", "D:\\M"}, {"D:\\M"}, {"D:\\M\\L"}},
        {{"D:\\M", "D:\\M\\L"}, {"D:\\M"}, {"D:\\M\\L"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.lines.back());
        sandbox->MakeFile("D:\\Target\\kept.txt", "kept");
        sandbox->MakeFolder("D:\\M");
        std::filesystem::create_directory_symlink(sandbox->Host("D:\\Target"), sandbox->Host("D:\\M\\L"));
        Include(test.lines, DeleteMode::Everything);

        SimulateToTheEnd();
        EXPECT_EQ(stat().lstStat07FoldersDeleted->Items(), test.foldersDeleted);
        EXPECT_EQ(stat().lstStat07FilesDeleted->Items(), test.filesDeleted);

        RunToTheEnd();
        EXPECT_EQ(stat().lstStat07FoldersDeleted->Items(), test.foldersDeleted);
        EXPECT_EQ(stat().lstStat07FilesDeleted->Items(), test.filesDeleted);
        EXPECT_EQ(page->Counters.Vol07FoldersDeleted + page->Counters.Vol07FilesDeleted,
                  static_cast<double>(test.foldersDeleted.size() + test.filesDeleted.size()));
        EXPECT_TRUE(stat().lstStat07FoldersNotExists->Items().empty());
        EXPECT_EQ(sandbox->Read("D:\\Target\\kept.txt"), "kept");
        std::filesystem::remove_all(sandbox->Host("D:\\M"));
    }
}

} // namespace
