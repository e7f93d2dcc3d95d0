// On a file system that records no birth time, Undo of the strings page
// still tells a folder the person made anew in the freed inode of a created
// one from the one the run made, and leaves it with what it holds.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "support/NoBirthTimeDisk.h"
#include "support/PrivateMounts.h"

#include <filesystem>

using namespace createtests;

// Mended: the identity fell back to the inode alone there, and the person's
// new folder, which got the old inode back, was deleted with their file.
TEST_F(StringsPageTest, UndoLeavesAFolderMadeAnewInTheSameInodeWithoutBirthTime) {
    if (testsupport::RanInPrivateMounts(
            "no ext4 image with 128-byte inodes (no birth time) may be loop-mounted here: "
            "needs mkfs.ext4, a loop device and `unshare -m` as root"))
        return;
    sandbox->MakeFolder("D:\\Ext");
    const std::string disk = sandbox->Host("D:\\Ext");
    if (!testsupport::MountNoBirthTimeDisk(disk))
        testsupport::CannotMountHere();
    const testsupport::Unmounting unmount{disk};

    Plan("D:\\Ext\\W", {"x", "y"});
    CreateToTheEnd();
    std::filesystem::remove(sandbox->Host("D:\\Ext\\W\\x"));
    sandbox->MakeFile("D:\\Ext\\W\\x\\mine.txt", "mine");

    ExpectBoxes({"0029?", "0030", "0031"});
    Undo();
    EXPECT_EQ(sandbox->Read("D:\\Ext\\W\\x\\mine.txt"), "mine");
    EXPECT_FALSE(sandbox->Exists("D:\\Ext\\W\\y"));
    const testsupport::ShownBox& box = desktop->Boxes()[desktop->Boxes().size() - 2];
    EXPECT_EQ(box.text, "The program is unable to delete the following folders and their contents : \n"
                        "\nOTHER REASONS   : \n\nD:\\Ext\\W\\x\n");
}
