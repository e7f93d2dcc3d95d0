// Undo of the strings page never goes below a mount point: a folder of the
// person's bind-mounted inside a created folder keeps everything it holds,
// and the created folder that holds it is named as one Undo could not remove.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "support/PrivateMounts.h"

#include <sys/mount.h>

using namespace createtests;

TEST_F(StringsPageTest, UndoLeavesABindMountInsideACreatedFolder) {
    if (testsupport::RanInPrivateMounts(
            "no bind mount may be made in a private mount namespace here (`unshare -m` "
            "needs root)"))
        return;
    sandbox->MakeFile("D:\\S\\f.txt", "f");
    sandbox->MakeFile("D:\\Person\\docs\\mine.txt", "the person's");
    sandbox->MakeFile("D:\\Person\\docs\\Deep\\more.txt", "more");
    Plan("D:\\W", {"x", "y"}, {"D:\\S"}, controls().rdoVol02AttachMainFolderWithFiles);
    CreateToTheEnd();
    ASSERT_TRUE(sandbox->Exists("D:\\W\\x\\S\\f.txt"));

    // The same file system on both sides: the device numbers agree.
    sandbox->MakeFolder("D:\\W\\x\\mnt");
    const std::string host = sandbox->Host("D:\\W\\x\\mnt");
    if (mount(sandbox->Host("D:\\Person\\docs").c_str(), host.c_str(), nullptr, MS_BIND, nullptr) != 0)
        testsupport::CannotMountHere();
    const testsupport::Unmounting unmount{host};

    ExpectBoxes({"0029?", "0030", "0031"});
    Undo();
    EXPECT_EQ(sandbox->Read("D:\\Person\\docs\\mine.txt"), "the person's");
    EXPECT_EQ(sandbox->Read("D:\\Person\\docs\\Deep\\more.txt"), "more");
    EXPECT_FALSE(sandbox->Exists("D:\\W\\y"));
    EXPECT_TRUE(sandbox->Exists("D:\\W\\x\\mnt\\mine.txt"));
    const testsupport::ShownBox& box = desktop->Boxes()[desktop->Boxes().size() - 2];
    EXPECT_EQ(box.text, "The program is unable to delete the following folders and their contents : \n"
                        "\nOTHER REASONS   : \n\nD:\\W\\x\n");
}
