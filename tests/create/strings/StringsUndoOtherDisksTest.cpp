// Undo of the strings page on disks that are not plain: a folder of the
// person's bind-mounted inside a created folder, and a file system that
// records no birth time. Either way the person's entries stay with what they
// hold, and the created folder that holds them is named as one Undo could
// not remove.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "support/Ext4Images.h"
#include "support/PersonsBindMount.h"
#include "support/PrivateMounts.h"

#include <filesystem>

using namespace createtests;

namespace {

class StringsUndoOtherDisksTest : public StringsPageTest {
protected:
    // Undo, with the box that names what it left.
    void UndoLeaving(const std::string& folder) {
        ExpectBoxes({"0029?", "0030", "0031"});
        Undo();
        EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].text, UndoLeftText({folder}));
    }
};

// Mended: a mount point was told by its device number alone, and a bind
// mount of the same file system was emptied.
TEST_F(StringsUndoOtherDisksTest, ABindMountInsideACreatedFolderIsLeft) {
    if (testsupport::RanInPrivateMounts(
            "no bind mount may be made in a private mount namespace here (`unshare -m` "
            "needs root)"))
        return;
    sandbox->MakeFile("D:\\S\\f.txt", "f");
    Plan("D:\\W", {"x", "y"}, {"D:\\S"}, controls().rdoVol02AttachMainFolderWithFiles);
    CreateToTheEnd();
    ASSERT_TRUE(sandbox->Exists("D:\\W\\x\\S\\f.txt"));

    const testsupport::PersonsBindMount personsMount(*sandbox, "D:\\W\\x\\mnt");

    UndoLeaving("D:\\W\\x");
    personsMount.ExpectKept();
    EXPECT_FALSE(sandbox->Exists("D:\\W\\y"));
}

// Mended: the identity fell back to the inode alone there, and the person's
// new folder, which got the old inode back, was deleted with their file.
TEST_F(StringsUndoOtherDisksTest, AFolderMadeAnewInTheSameInodeWithoutBirthTimeIsLeft) {
    using testsupport::Ext4Disk;
    if (testsupport::RanInPrivateMounts(Ext4Disk::WhyUnavailable(Ext4Disk::Kind::NoBirthTime)))
        return;
    const Ext4Disk disk(sandbox->Host("D:\\Ext"), Ext4Disk::Kind::NoBirthTime);

    Plan("D:\\Ext\\W", {"x", "y"});
    CreateToTheEnd();
    std::filesystem::remove(sandbox->Host("D:\\Ext\\W\\x"));
    sandbox->MakeFile("D:\\Ext\\W\\x\\mine.txt", "mine");

    UndoLeaving("D:\\Ext\\W\\x");
    EXPECT_EQ(sandbox->Read("D:\\Ext\\W\\x\\mine.txt"), "mine");
    EXPECT_FALSE(sandbox->Exists("D:\\Ext\\W\\y"));
}

} // namespace
