// The delete page stays on the file system of each main folder: a folder on
// another one, mounted inside a main folder, is listed and kept, and nothing
// on it is counted or deleted. Once with a real tmpfs in a private mount
// namespace (where the machine lets the test make one), once with the walk
// told that a plain folder lies on another file system.

#include "ui_TfrmStatistics07.h"
#include "ui_Vol07DeletePage.h"

#include "DeletePageFixture.h"

#include "manage/delete/DeletePass.h"
#include "support/PrivateMounts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include <sys/mount.h>

using namespace deletetests;
using testsupport::RanInPrivateMounts;
using ui::Answer;

namespace {

const std::string Main = "D:\\T\\M";
const std::string MountPoint = "D:\\T\\M\\Mnt";

struct ModeCase {
    DeleteMode mode;
    Lines toDelete;       // folders, files, bytes
    Lines results;        // folders then files: deleted, not existing, other reasons
    Lines foldersDeleted; // in the order they went
    Lines filesDeleted;
    Lines foldersKept;
};

class DeleteFileSystemTest : public DeletePageTest {
protected:
    // The main folder's own entries, and the mounted file system's.
    void MakeMainFolder() {
        sandbox->MakeFile(Main + "\\m.txt", "m");
        sandbox->MakeFile(Main + "\\Sub\\s.txt", "ss");
    }
    void MakeMountedEntries() {
        sandbox->MakeFile(MountPoint + "\\other-fs.txt", "other");
        sandbox->MakeFile(MountPoint + "\\Dir\\deeper.txt", "deeper");
    }

    // Every mode over the main folder: the simulation and the run agree, the
    // mount point is listed under other reasons where the mode would enter
    // it, and what lies on the other file system stays.
    void ExpectEveryModeStaysOnItsFileSystem() {
        const std::string sub = Main + "\\Sub";
        const std::string m = Main + "\\m.txt";
        const std::string s = Main + "\\Sub\\s.txt";
        const ModeCase cases[] = {
            {DeleteMode::FilesEverywhere,
             {"0", "2", "3"},
             {"0", "0", "1", "2", "0", "0"},
             {},
             {s, m},
             {MountPoint}},
            {DeleteMode::FilesInMainFolders, {"0", "1", "1"}, {"0", "0", "0", "1", "0", "0"}, {}, {m}, {}},
            {DeleteMode::Subfolders,
             {"1", "2", "3"},
             {"1", "0", "1", "2", "0", "0"},
             {sub},
             {s, m},
             {MountPoint}},
            // The main folder holds what stays: it is not counted to go.
            {DeleteMode::Everything,
             {"1", "2", "3"},
             {"1", "0", "2", "2", "0", "0"},
             {sub},
             {s, m},
             {MountPoint, Main}},
        };
        for (const ModeCase& test : cases) {
            SCOPED_TRACE(static_cast<int>(test.mode));
            MakeMainFolder();
            Include({Main}, test.mode);
            EXPECT_EQ(ToDelete(), test.toDelete);
            for (const auto& [path, size] : page->DeleteFileSet)
                EXPECT_EQ(path.find(MountPoint), std::string::npos) << path;

            SimulateToTheEnd();
            EXPECT_EQ(PageResults(), test.results);
            RunToTheEnd();
            EXPECT_TRUE(desktop->AllUsed());

            EXPECT_EQ(PageResults(), test.results);
            EXPECT_EQ(stat().lstStat07FoldersDeleted->Items(), test.foldersDeleted);
            EXPECT_EQ(stat().lstStat07FilesDeleted->Items(), test.filesDeleted);
            EXPECT_EQ(stat().lstStat07FoldersOtherReasons->Items(), test.foldersKept);
            EXPECT_TRUE(sandbox->Exists(MountPoint + "\\other-fs.txt"));
            EXPECT_TRUE(sandbox->Exists(MountPoint + "\\Dir\\deeper.txt"));
        }
    }

    // Mounts over the mount point, fills what is mounted and checks every
    // mode; the mount goes again at the end.
    void MountAndExpectEveryModeStays(const char* source, const char* type, unsigned long flags,
                                      const char* data) {
        sandbox->MakeFolder(MountPoint);
        const std::string host = sandbox->Host(MountPoint);
        if (mount(source, host.c_str(), type, flags, data) != 0)
            testsupport::CannotMountHere();
        const testsupport::Unmounting unmount(host);
        MakeMountedEntries();
        ExpectEveryModeStaysOnItsFileSystem();
    }
};

} // namespace

TEST_F(DeleteFileSystemTest, AFileSystemMountedInsideAMainFolderIsNeverEntered) {
    if (RanInPrivateMounts("no file system may be mounted in a private mount namespace here (`unshare -m` "
                           "needs root): the rule is checked through the walk's probe only"))
        return;
    MountAndExpectEveryModeStays("none", "tmpfs", 0, "size=1m");
}

TEST_F(DeleteFileSystemTest, ABindMountOfAFolderOfTheSameFileSystemIsNeverEntered) {
    if (RanInPrivateMounts("no bind mount may be made in a private mount namespace here (`unshare -m` "
                           "needs root)"))
        return;
    // The same device number on both sides: only the mount tells them apart.
    sandbox->MakeFolder("D:\\T\\Outside");
    MountAndExpectEveryModeStays(sandbox->Host("D:\\T\\Outside").c_str(), nullptr, MS_BIND, nullptr);
    EXPECT_TRUE(sandbox->Exists("D:\\T\\Outside\\other-fs.txt"));
    EXPECT_TRUE(sandbox->Exists("D:\\T\\Outside\\Dir\\deeper.txt"));
}

TEST_F(DeleteFileSystemTest, AFolderOnAnotherFileSystemIsListedAndKept) {
    MakeMountedEntries();
    page->SetFileSystemProbe([](const std::string& path, const platform::EntryDetails& entry) {
        return path == MountPoint ? entry.identity.device + 1 : entry.identity.device;
    });
    ExpectEveryModeStaysOnItsFileSystem();
}

// What a mount made during a delete hides is still on the disk: it is named
// under other reasons, never as not existing, in the run and its simulation
// alike, whether the mount came before the run's second look or between two
// of its items.
TEST_F(DeleteFileSystemTest, WhatAMountMadeDuringTheDeleteHidesIsKeptNotMissing) {
    if (RanInPrivateMounts("no file system may be mounted in a private mount namespace here (`unshare -m` "
                           "needs root)"))
        return;
    enum class When { BeforeTheSecondLook, BetweenItems };
    struct Case {
        const char* name;
        When when;
        bool simulate;
    };
    const Case cases[] = {
        {"run, mounted before its second look", When::BeforeTheSecondLook, false},
        {"simulation, mounted before its second look", When::BeforeTheSecondLook, true},
        {"run, mounted between two items", When::BetweenItems, false},
    };
    const std::string sub = Main + "\\Sub";
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        MakeMainFolder();
        sandbox->MakeFile(sub + "\\Deep\\d.txt", "ddd");
        const std::string host = sandbox->Host(sub);
        const DeleteInventory planned = TakeDeleteInventory(DeleteMode::Subfolders, {Main}, {"*.*"});
        bool mounted = false;
        const auto mountOnSub = [&] {
            if (!mounted && mount("none", host.c_str(), "tmpfs", 0, "size=1m") != 0)
                testsupport::CannotMountHere();
            mounted = true;
        };
        if (test.when == When::BeforeTheSecondLook)
            mountOnSub();
        const DeleteInventory now = TakeDeleteInventory(DeleteMode::Subfolders, {Main}, {"*.*"});
        std::map<DeleteOutcome, Lines> outcomes;
        DeleteResultSink sink;
        sink.record = [&](const std::string& path, bool, DeleteOutcome outcome) {
            outcomes[outcome].push_back(path);
        };
        sink.step = mountOnSub;
        RunDeletePass(planned, now, test.simulate, sink);
        {
            // Taken away again: what it hid is there to be seen.
            const testsupport::Unmounting unmount(host);
        }
        EXPECT_EQ(outcomes[DeleteOutcome::NotExists], Lines{});
        const Lines& kept = outcomes[DeleteOutcome::OtherReasons];
        for (const std::string& path : {sub, sub + "\\Deep\\d.txt", sub + "\\s.txt"}) {
            EXPECT_NE(std::find(kept.begin(), kept.end(), path), kept.end()) << path;
            EXPECT_TRUE(sandbox->Exists(path)) << path;
        }
        std::filesystem::remove_all(sandbox->Host(Main));
    }
}
