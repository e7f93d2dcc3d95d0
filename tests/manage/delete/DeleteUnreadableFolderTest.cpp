// A folder the delete page cannot read holds what nobody can see: the run
// cannot empty it, so the simulation must not promise to delete it either.

#include "ui_TfrmStatistics07.h"
#include "ui_Vol07DeletePage.h"

#include "DeletePageFixture.h"

#include "support/PermissionsAsAUser.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace deletetests;
using ui::Answer;

namespace {

class DeleteUnreadableFolderTest : public DeletePageTest {};

TEST_F(DeleteUnreadableFolderTest, StaysAndIsListedUnderOtherReasonsInRunAndSimulation) {
    testsupport::PermissionsAsAUser asUser;
    if (!asUser.Active())
        GTEST_SKIP() << "file permissions cannot be made to hold for this process";
    const struct {
        DeleteMode mode;
        Lines otherReasons;
    } cases[] = {
        {DeleteMode::Subfolders, {"D:\\M\\A\\locked", "D:\\M\\A"}},
        {DeleteMode::Everything, {"D:\\M\\A\\locked", "D:\\M\\A", "D:\\M"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(static_cast<int>(test.mode));
        sandbox->MakeFile("D:\\M\\A\\locked\\secret.txt", "unseen");
        sandbox->MakeFile("D:\\M\\A\\seen.txt", "seen");
        std::filesystem::permissions(sandbox->Host("D:\\M\\A\\locked"), std::filesystem::perms::none);
        Include({"D:\\M"}, test.mode);

        SimulateToTheEnd();
        const Lines simulated = stat().lstStat07FoldersOtherReasons->Items();
        const Lines simulatedDeleted = stat().lstStat07FilesDeleted->Items();

        RunToTheEnd();
        EXPECT_EQ(stat().lstStat07FoldersOtherReasons->Items(), test.otherReasons);
        EXPECT_EQ(simulated, test.otherReasons);
        EXPECT_EQ(stat().lstStat07FilesDeleted->Items(), Lines{"D:\\M\\A\\seen.txt"});
        EXPECT_EQ(simulatedDeleted, Lines{"D:\\M\\A\\seen.txt"});
        std::filesystem::permissions(sandbox->Host("D:\\M\\A\\locked"), std::filesystem::perms::owner_all);
        EXPECT_EQ(sandbox->Read("D:\\M\\A\\locked\\secret.txt"), "unseen");
        std::filesystem::remove_all(sandbox->Host("D:\\M"));
    }
}

} // namespace
