// Cases where the rename page's simulation once told another story than its
// run: a folder renamed by one line and named by the next in another letter
// case, a link whose target only changes its letter case, a folder that two
// lines rename one after the other, and a folder this user may not rename.

#include "ui_TfrmStatistic06.h"
#include "ui_Vol06RenamePage.h"

#include "RenamePageFixture.h"

#include "support/PermissionsAsAUser.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

using namespace renametests;
namespace fs = std::filesystem;

namespace {

class RenameSimulationAgreementTest : public RenamePageTest {
protected:
    // Simulates, then runs: both count and list the same.
    void ExpectSimulationAsRun(const Lines& counters) {
        Simulate();
        const Lines simulated[] = {Counters(), stat().lstStat06FoldersRenamed->Items(),
                                   stat().lstStat06FoldersSourceNotExists->Items(),
                                   stat().lstStat06FoldersDestinationExists->Items(),
                                   stat().lstStat06FoldersOtherReasons->Items()};
        EXPECT_EQ(simulated[0], counters);
        Rename();
        EXPECT_EQ(Counters(), counters);
        EXPECT_EQ(stat().lstStat06FoldersRenamed->Items(), simulated[1]);
        EXPECT_EQ(stat().lstStat06FoldersSourceNotExists->Items(), simulated[2]);
        EXPECT_EQ(stat().lstStat06FoldersDestinationExists->Items(), simulated[3]);
        EXPECT_EQ(stat().lstStat06FoldersOtherReasons->Items(), simulated[4]);
    }
};

TEST_F(RenameSimulationAgreementTest, AFolderRenamedIsFoundUnderAnyCaseOfItsNewName) {
    // Final sigma and dotless i: the disk takes each pair for one name.
    sandbox->MakeFolder("D:\\T\\ΟΔΟΣ");
    sandbox->MakeFolder("D:\\U\\KAPI");
    SetLines({"D:\\T\\ΟΔΟΣ", "D:\\T\\pοδος", "D:\\U\\KAPI", "D:\\U\\pkapı"});
    Type(controls().edtVol06NewPrefix, "p");
    ExpectSimulationAsRun({"4", "4", "0", "0", "0"});
    EXPECT_EQ(Tree(), (std::map<std::string, std::string>{
                          {"T", "folder"}, {"T/ppοδος", "folder"}, {"U", "folder"}, {"U/ppkapı", "folder"}}));
}

TEST_F(RenameSimulationAgreementTest, ALinkToAFolderWhoseCaseChangesLeadsNowhereInBoth) {
    sandbox->MakeFolder("D:\\T\\Data\\x");
    // The disk follows a link by the exact letters of its target.
    std::filesystem::create_directory_symlink("Data/x", sandbox->Host("D:\\T\\lnk"));
    SetLines({"D:\\T\\Data", "D:\\T\\lnk"});
    RenameTheLastSubFolder("DATA");
    ExpectSimulationAsRun({"2", "1", "0", "0", "1"});
    EXPECT_EQ(stat().lstStat06FoldersRenamed->Items(), Lines{"D:\\T\\DATA"});
    EXPECT_EQ(stat().lstStat06FoldersOtherReasons->Items(), Lines{"D:\\T\\lnk"});
    EXPECT_TRUE(sandbox->Exists("D:\\T\\DATA\\x"));
    EXPECT_TRUE(std::filesystem::is_symlink(sandbox->Host("D:\\T\\lnk")));
}

TEST_F(RenameSimulationAgreementTest, ALinkWhoseTargetGetsItsLettersIsRenamedInBoth) {
    sandbox->MakeFolder("D:\\T\\Data\\x");
    sandbox->MakeFolder("D:\\T\\zlnk");
    std::filesystem::create_directory_symlink("DATA/x", sandbox->Host("D:\\T\\lnk"));
    // The link leads nowhere until Data is renamed DATA, then to a folder.
    SetLines({"D:\\T\\Data", "D:\\T\\lnk"});
    RenameTheLastSubFolder("DATA");
    ExpectSimulationAsRun({"2", "1", "0", "1", "0"});
    EXPECT_EQ(stat().lstStat06FoldersDestinationExists->Items(), Lines{"D:\\T\\lnk"});
}

TEST_F(RenameSimulationAgreementTest, AFolderRenamedTwiceIsListedOnceWhereItIs) {
    sandbox->MakeFolder("D:\\T\\A");
    SetLines({"D:\\T\\A", "D:\\T\\pA"});
    Type(controls().edtVol06NewPrefix, "p");
    ExpectSimulationAsRun({"2", "2", "0", "0", "0"});
    EXPECT_EQ(stat().lstStat06FoldersRenamed->Items(), Lines{"D:\\T\\ppA"});
    for (const std::string& renamed : stat().lstStat06FoldersRenamed->Items())
        EXPECT_TRUE(sandbox->Exists(renamed)) << renamed;
    EXPECT_EQ(Tree(), (std::map<std::string, std::string>{{"T", "folder"}, {"T/ppA", "folder"}}));
}

// Mended: the simulation counted as renamed what the run may not rename,
// which the run then counted under other reasons.
TEST_F(RenameSimulationAgreementTest, WhatThisUserMayNotRenameIsForeseen) {
    testsupport::PermissionsAsAUser asUser;
    ASSERT_TRUE(asUser.Active()) << "file permissions cannot be made to hold for this process";
    const auto giveAway = [&](const std::string& path) {
        ASSERT_EQ(::chown(sandbox->Host(path).c_str(), 65534, static_cast<gid_t>(-1)), 0) << path;
    };
    const fs::perms sticky = fs::perms::all | fs::perms::sticky_bit;
    const struct {
        const char* what;
        std::string folder;
        fs::perms rights;
        bool folderIsAnothers;
        Lines theirs; // the lines' folders another user owns
        Lines mine;
        Lines counters;
        Lines kept;
    } cases[] = {
        {"a folder the user may read and enter only",
         "D:\\R",
         fs::perms::owner_read | fs::perms::owner_exec,
         false,
         {},
         {"D:\\R\\a"},
         {"1", "0", "0", "0", "1"},
         {"D:\\R\\a"}},
        {"another's sticky folder: only the user's own folder goes",
         "D:\\S",
         sticky,
         true,
         {"D:\\S\\theirs"},
         {"D:\\S\\mine"},
         {"2", "1", "0", "0", "1"},
         {"D:\\S\\theirs"}},
        {"the user's own sticky folder: another's folder goes too",
         "D:\\U",
         sticky,
         false,
         {"D:\\U\\theirs"},
         {},
         {"1", "1", "0", "0", "0"},
         {}},
    };
    Type(controls().edtVol06NewPrefix, "p");
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        if ((test.folderIsAnothers || !test.theirs.empty()) && ::geteuid() != 0) {
            std::printf("left out as an ordinary user, who cannot give a folder away: %s\n", test.what);
            continue;
        }
        Lines lines = test.theirs;
        lines.insert(lines.end(), test.mine.begin(), test.mine.end());
        for (const std::string& folder : lines)
            sandbox->MakeFolder(folder);
        for (const std::string& folder : test.theirs)
            giveAway(folder);
        fs::permissions(sandbox->Host(test.folder), test.rights);
        if (test.folderIsAnothers)
            giveAway(test.folder);
        SetLines(lines);
        ExpectSimulationAsRun(test.counters);
        EXPECT_EQ(stat().lstStat06FoldersOtherReasons->Items(), test.kept);
        for (const std::string& kept : test.kept)
            EXPECT_TRUE(sandbox->Exists(kept)) << kept;
    }
    fs::permissions(sandbox->Host("D:\\R"), fs::perms::owner_all);
}

} // namespace

TEST_F(RenameSimulationAgreementTest, AFolderOfManyLinesIsReadAsItsRenamesLeftIt) {
    for (const char* name : {"a1", "a2", "a3", "a4", "B", "C", "pC"})
        sandbox->MakeFolder(std::string("D:\\W\\") + name);
    sandbox->MakeFile("D:\\W\\D", "file");
    std::filesystem::create_directory_symlink("C", sandbox->Host("D:\\W\\L"));
    const auto before = Tree();
    // The first lines have the folder's names followed; later lines name
    // what earlier ones renamed, in another case too.
    SetLines({"D:\\W\\a1", "D:\\W\\a2", "D:\\W\\a3", "D:\\W\\a4", "D:\\W\\B", "D:\\W\\pB", "D:\\W\\C",
              "D:\\W\\D", "D:\\W\\L", "D:\\W\\Gone", "d:\\w\\PA1"});
    Type(controls().edtVol06NewPrefix, "p");
    ExpectSimulationAsRun({"11", "8", "1", "1", "1"});
    EXPECT_EQ(stat().lstStat06FoldersRenamed->Items(),
              (Lines{"D:\\W\\pa2", "D:\\W\\pa3", "D:\\W\\pa4", "D:\\W\\ppB", "D:\\W\\pL", "D:\\w\\pPA1"}));
    EXPECT_TRUE(std::filesystem::is_symlink(sandbox->Host("D:\\W\\pL")));
    EXPECT_TRUE(std::filesystem::is_directory(sandbox->Host("D:\\W\\pPA1")));
    Undo();
    EXPECT_EQ(Tree(), before);
}
