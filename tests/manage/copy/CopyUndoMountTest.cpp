// Undo of the copy page where the person has bind-mounted a folder of theirs
// inside what the copy made: the mount and what it shows stay, and the copied
// folders that hold it are named as ones Undo could not remove.

#include "ui_TfrmStatistic08.h"
#include "ui_Vol08CopyPage.h"

#include "CopyPageFixture.h"

#include "support/PersonsBindMount.h"
#include "support/PrivateMounts.h"

using namespace copytests;

TEST_F(CopyPageTest, UndoLeavesABindMountInsideACopiedFolder) {
    if (testsupport::RanInPrivateMounts(
            "no bind mount may be made in a private mount namespace here (`unshare -m` needs root)"))
        return;
    sandbox->MakeFolder("C:\\T");
    Plan({"C:\\T"}, "D:\\S", controls().rdoVol08AttachMainFolderWithFiles);
    Copy();
    ASSERT_TRUE(sandbox->Exists("C:\\T\\S\\X\\Y\\c.doc"));

    const testsupport::PersonsBindMount personsMount(*sandbox, "C:\\T\\S\\X\\mnt");

    Undo({"0291?", "0292", "0293"});
    EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].text,
              "The program is unable to delete the following folders (and their contents), and/or separate "
              "files : \n\nOTHER REASONS   : \n\nC:\\T\\S\nC:\\T\\S\\X\n");
    personsMount.ExpectKept();
    EXPECT_FALSE(sandbox->Exists("C:\\T\\S\\a.txt"));
    EXPECT_FALSE(sandbox->Exists("C:\\T\\S\\X\\Y"));
}
