// What an ordinary user may not read, enter, write or remove stays, and the
// delete page names it under other reasons: in the run, in its simulation,
// which promises no more than the run does, and in the pre-count, which
// counts only what will go. A mount point stays whoever deletes.

#include "ui_TfrmStatistics07.h"
#include "ui_Vol07DeletePage.h"

#include "DeletePageFixture.h"

#include "support/PermissionsAsAUser.h"
#include "support/PrivateMounts.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <filesystem>

using namespace deletetests;
namespace fs = std::filesystem;

namespace {

class DeleteLimitedRightsTest : public DeletePageTest {
protected:
    // Everything the simulation and the run show: counters, then the six lists.
    std::vector<Lines> Shown() {
        return {PageResults(),
                stat().lstStat07FoldersDeleted->Items(),
                stat().lstStat07FilesDeleted->Items(),
                stat().lstStat07FoldersNotExists->Items(),
                stat().lstStat07FilesNotExists->Items(),
                stat().lstStat07FoldersOtherReasons->Items(),
                stat().lstStat07FilesOtherReasons->Items()};
    }
};

TEST_F(DeleteLimitedRightsTest, WhatTheUserMayNotReachIsNamedAndForeseen) {
    testsupport::PermissionsAsAUser asUser;
    ASSERT_TRUE(asUser.Active()) << "file permissions cannot be made to hold for this process";
    const std::string m = "D:\\M";
    struct Case {
        DeleteMode mode;
        Lines toDelete;
        Lines foldersKept;
        Lines filesKept;
    };
    const Case cases[] = {
        {DeleteMode::FilesEverywhere,
         {"0", "1", "4"},
         {m + "\\Closed", m + "\\EnterOnly"},
         {m + "\\ListOnly\\l.txt", m + "\\ReadOnly\\r.txt"}},
        {DeleteMode::Subfolders,
         {"1", "1", "4"},
         {m + "\\Closed", m + "\\EnterOnly", m + "\\ListOnly", m + "\\ReadOnly"},
         {m + "\\ListOnly\\l.txt", m + "\\ReadOnly\\r.txt"}},
        {DeleteMode::Everything,
         {"1", "1", "4"},
         {m + "\\Closed", m + "\\EnterOnly", m + "\\ListOnly", m + "\\ReadOnly", m},
         {m + "\\ListOnly\\l.txt", m + "\\ReadOnly\\r.txt"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(static_cast<int>(test.mode));
        sandbox->MakeFile(m + "\\free.txt", "free");
        sandbox->MakeFolder(m + "\\Empty");
        const std::pair<const char*, fs::perms> limited[] = {
            {"Closed", fs::perms::none},
            {"ListOnly", fs::perms::owner_read},
            {"EnterOnly", fs::perms::owner_exec},
            {"ReadOnly", fs::perms::owner_read | fs::perms::owner_exec},
        };
        for (const auto& [name, rights] : limited) {
            const std::string folder = m + "\\" + name;
            sandbox->MakeFile(folder + (std::string(name) == "ReadOnly" ? "\\r.txt" : "\\l.txt"), "kept");
            fs::permissions(sandbox->Host(folder), rights);
        }
        Include({m}, test.mode);
        EXPECT_EQ(ToDelete(), test.toDelete);

        SimulateToTheEnd();
        const std::vector<Lines> simulated = Shown();
        RunToTheEnd();
        EXPECT_EQ(Shown(), simulated);
        EXPECT_EQ(stat().lstStat07FoldersOtherReasons->Items(), test.foldersKept);
        EXPECT_EQ(stat().lstStat07FilesOtherReasons->Items(), test.filesKept);
        EXPECT_EQ(stat().lstStat07FilesDeleted->Items(), Lines{m + "\\free.txt"});
        EXPECT_EQ(PageLabel("FoldersDeleted"), test.toDelete[0]);
        EXPECT_NE(desktop->LastBox().text.find(
                      "other reasons: " + std::to_string(test.foldersKept.size() + test.filesKept.size())),
                  std::string::npos)
            << desktop->LastBox().text;
        for (const auto& [name, rights] : limited)
            fs::permissions(sandbox->Host(m + "\\" + name), fs::perms::owner_all);
        EXPECT_EQ(sandbox->Read(m + "\\ReadOnly\\r.txt"), "kept");
        EXPECT_EQ(sandbox->Read(m + "\\Closed\\l.txt"), "kept");
        fs::remove_all(sandbox->Host(m));
    }
}

// A folder something is mounted on cannot be removed while it is: the
// simulation and the pre-count say so, as the run then finds, for a folder
// inside a main folder and for a main folder that is itself a mount point.
TEST_F(DeleteLimitedRightsTest, AMountPointStaysInSimulationAndRunAlike) {
    if (testsupport::RanInPrivateMounts("no mount may be made in a private mount namespace here"))
        return;
    struct Case {
        DeleteMode mode;
        std::string mountPoint;
        Lines foldersKept;
    };
    const Case cases[] = {
        {DeleteMode::Subfolders, "D:\\T\\M\\Mnt", {"D:\\T\\M\\Mnt"}},
        {DeleteMode::Everything, "D:\\T\\M\\Mnt", {"D:\\T\\M\\Mnt", "D:\\T\\M"}},
        {DeleteMode::Everything, "D:\\T\\M", {"D:\\T\\M"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.mountPoint + " mode " + std::to_string(static_cast<int>(test.mode)));
        sandbox->MakeFile("D:\\T\\M\\Sub\\s.txt", "s");
        sandbox->MakeFolder(test.mountPoint);
        sandbox->MakeFolder("D:\\Elsewhere");
        // A bind mount of a folder of the same file system: only the mount
        // itself tells it.
        const std::string host = sandbox->Host(test.mountPoint);
        if (mount(sandbox->Host("D:\\Elsewhere").c_str(), host.c_str(), nullptr, MS_BIND, nullptr) != 0)
            testsupport::CannotMountHere();
        Include({"D:\\T\\M"}, test.mode);
        const Lines toDelete = ToDelete();

        SimulateToTheEnd();
        const std::vector<Lines> simulated = Shown();
        RunToTheEnd();
        EXPECT_EQ(Shown(), simulated);
        EXPECT_EQ(stat().lstStat07FoldersOtherReasons->Items(), test.foldersKept);
        EXPECT_EQ(PageLabel("FoldersDeleted"), toDelete[0]);
        EXPECT_EQ(PageLabel("FilesDeleted"), toDelete[1]);
        EXPECT_TRUE(fs::exists(host));
        umount2(host.c_str(), MNT_DETACH);
        fs::remove_all(sandbox->Host("D:\\T"));
        fs::remove_all(sandbox->Host("D:\\Elsewhere"));
    }
}

} // namespace
