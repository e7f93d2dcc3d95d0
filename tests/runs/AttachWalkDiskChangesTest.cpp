// The attach walk copying one structure into several targets while another
// program changes the structure between the copies: each copy is the
// structure as it is when that copy is made, read through no link, whatever
// the walk kept of the copies before.

#include "runs/AttachWalk.h"

#include "support/AgedStructures.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <string>
#include <utility>

namespace {

bool IsLink(const std::string& host) {
    struct stat st {};
    return lstat(host.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// One walk over a structure D:\S, copied into D:\T<n>\S by each Copy.
struct Copies {
    explicit Copies(FileSizeMap scanned)
        : sizes(std::move(scanned)),
          walk(block, sizes,
               {.report = [](const ui::MessageBoxRequest& box) { ui::desktop().MessageBox(box); },
                .recordedFailures = &failures}) {
        walk.ForgetLastRun();
    }
    void Copy(const testsupport::DriveSandbox& sandbox, const std::string& target,
              AttachMode mode = AttachMode::MainFolderWithFiles) {
        sandbox.MakeFolder(target);
        walk.AttachTargetRoot = target + "\\S";
        walk.CopyFolderStructure("D:\\S", mode);
    }
    FileSizeMap sizes;
    CreationCounterBlock block;
    std::deque<std::string> failures;
    AttachWalk walk;
};

TEST(AttachWalkDiskChangesTest, ALinkPutInThePlaceOfAnEntryIsCopiedAsALink) {
    struct Case {
        std::string name;
        AttachMode mode;
        bool linksCopied;
    };
    const Case cases[] = {
        {"with files", AttachMode::MainFolderWithFiles, true},
        {"without files", AttachMode::MainFolderWithoutFiles, false},
    };
    for (const Case& c : cases) {
        testsupport::DriveSandbox sandbox("D");
        testsupport::ScriptedDesktop desktop;
        testsupport::AgedStructures aged;
        sandbox.MakeFile("D:\\S\\sub\\deep\\c.txt", "ours c");
        sandbox.MakeFile("D:\\S\\sub\\in.txt", "ours in");
        sandbox.MakeFile("D:\\Outside\\deep\\c.txt", "outside c");
        sandbox.MakeFile("D:\\Outside\\in.txt", "outside in");
        Copies copies({{"D:\\S\\sub\\deep\\c.txt", 6}, {"D:\\S\\sub\\in.txt", 7}});
        copies.Copy(sandbox, "D:\\T1", c.mode);

        // A folder and a file deep in the structure, both listed and kept by
        // the first copy, become links to what lies outside it.
        ASSERT_EQ(rename(sandbox.Host("D:\\S\\sub\\deep").c_str(), sandbox.Host("D:\\Gone").c_str()), 0);
        ASSERT_EQ(
            symlink(sandbox.Host("D:\\Outside\\deep").c_str(), sandbox.Host("D:\\S\\sub\\deep").c_str()), 0);
        ASSERT_EQ(unlink(sandbox.Host("D:\\S\\sub\\in.txt").c_str()), 0);
        ASSERT_EQ(
            symlink(sandbox.Host("D:\\Outside\\in.txt").c_str(), sandbox.Host("D:\\S\\sub\\in.txt").c_str()),
            0);
        const testsupport::TreeSnapshot outside = testsupport::TakeSnapshot(sandbox.Host("D:\\Outside"));
        // The link in the folder's place appeared after the scan: copied, it
        // is named in a box. The one in the file's place has the file's size.
        if (c.linksCopied)
            desktop.ExpectBox("");
        copies.Copy(sandbox, "D:\\T2", c.mode);

        EXPECT_EQ(IsLink(sandbox.Host("D:\\T2\\S\\sub\\deep")), c.linksCopied) << c.name;
        EXPECT_EQ(IsLink(sandbox.Host("D:\\T2\\S\\sub\\in.txt")), c.linksCopied) << c.name;
        // Nothing of the outside was read into the copy, nor written there.
        EXPECT_FALSE(sandbox.Exists("D:\\T2\\S\\sub\\deep\\c.txt") && !c.linksCopied) << c.name;
        if (!c.linksCopied) {
            EXPECT_FALSE(sandbox.Exists("D:\\T2\\S\\sub\\deep")) << c.name;
            EXPECT_FALSE(sandbox.Exists("D:\\T2\\S\\sub\\in.txt")) << c.name;
        }
        EXPECT_EQ(testsupport::TakeSnapshot(sandbox.Host("D:\\Outside")), outside) << c.name;
        EXPECT_TRUE(copies.failures.empty()) << c.name;
        EXPECT_TRUE(desktop.AllUsed()) << c.name;
    }
}

TEST(AttachWalkDiskChangesTest, AFolderChangedSinceItWasListedIsListedAgain) {
    testsupport::DriveSandbox sandbox("D");
    testsupport::ScriptedDesktop desktop;
    testsupport::AgedStructures aged;
    sandbox.MakeFile("D:\\S\\sub\\old.txt", "old");
    sandbox.MakeFile("D:\\S\\sub\\kept.txt", "kept");
    Copies copies({{"D:\\S\\sub\\old.txt", 3}, {"D:\\S\\sub\\kept.txt", 4}, {"D:\\S\\sub\\new.txt", 3}});
    copies.Copy(sandbox, "D:\\T1");
    ASSERT_EQ(unlink(sandbox.Host("D:\\S\\sub\\old.txt").c_str()), 0);
    sandbox.MakeFile("D:\\S\\sub\\new.txt", "new");
    copies.Copy(sandbox, "D:\\T2");
    copies.Copy(sandbox, "D:\\T3");

    for (const std::string target : {"D:\\T2", "D:\\T3"}) {
        EXPECT_EQ(sandbox.Read(target + "\\S\\sub\\new.txt"), "new") << target;
        EXPECT_EQ(sandbox.Read(target + "\\S\\sub\\kept.txt"), "kept") << target;
        EXPECT_FALSE(sandbox.Exists(target + "\\S\\sub\\old.txt")) << target;
    }
    const CreationCounters& counted = copies.block.Counters;
    EXPECT_EQ(counted.Created.Files, 2 * 3);
    EXPECT_EQ(counted.Created.FilesSize, 7 + 7 + 7);
    EXPECT_EQ(counted.Other.Files, 0);
    EXPECT_TRUE(copies.failures.empty());
}

TEST(AttachWalkDiskChangesTest, AStructureReplacedByItsPathIsCopiedAsItIsNow) {
    testsupport::DriveSandbox sandbox("D");
    testsupport::ScriptedDesktop desktop;
    testsupport::AgedStructures aged;
    sandbox.MakeFile("D:\\S\\a.txt", "first a");
    sandbox.MakeFile("D:\\S\\sub\\b.txt", "first b");
    sandbox.MakeFile("D:\\New\\a.txt", "second a, longer");
    sandbox.MakeFile("D:\\New\\sub\\b.txt", "second b");
    sandbox.MakeFile("D:\\New\\sub\\c.txt", "second c");
    const FileSizeMap sizes = {{"D:\\S\\a.txt", 7}, {"D:\\S\\sub\\b.txt", 7}, {"D:\\S\\sub\\c.txt", 8}};
    Copies copies(sizes);
    copies.Copy(sandbox, "D:\\T1");
    ASSERT_EQ(rename(sandbox.Host("D:\\S").c_str(), sandbox.Host("D:\\Old").c_str()), 0);
    ASSERT_EQ(rename(sandbox.Host("D:\\New").c_str(), sandbox.Host("D:\\S").c_str()), 0);
    copies.Copy(sandbox, "D:\\T2");

    // Names and contents alike of the structure that is there now.
    testsupport::TreeSnapshot now = testsupport::TakeSnapshot(sandbox.Host("D:\\S"));
    testsupport::TreeSnapshot copy = testsupport::TakeSnapshot(sandbox.Host("D:\\T2\\S"));
    ASSERT_EQ(now.size(), copy.size());
    for (auto entry = now.begin(), copied = copy.begin(); entry != now.end(); ++entry, ++copied) {
        EXPECT_EQ(copied->first, entry->first);
        EXPECT_TRUE(copied->second.SameContent(entry->second)) << entry->first;
    }
    EXPECT_TRUE(copies.failures.empty());
}

} // namespace
