// The attach walk copying one structure into several new folders of a run:
// the structure is listed once, yet every copy judges its entries as a copy
// by whole paths would.

#include "runs/AttachWalk.h"

#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <optional>
#include <string>

namespace {

TEST(AttachWalkCopyTest, NamesThatAreOneIgnoringCaseMakeOneEntryInEachTarget) {
    testsupport::DriveSandbox sandbox("D");
    testsupport::ScriptedDesktop desktop;
    // A host folder may hold names that Windows takes for one.
    sandbox.MakeFile("D:\\S\\in\\X.TXT", "upper");
    sandbox.MakeFile("D:\\S\\in\\x.txt", "lower");
    sandbox.MakeFile("D:\\S\\in\\DEEP\\c.txt", "c");
    sandbox.MakeFile("D:\\S\\in\\deep\\d.txt", "d");
    const FileSizeMap sizes = {{"D:\\S\\in\\X.TXT", 5},
                               {"D:\\S\\in\\x.txt", 5},
                               {"D:\\S\\in\\DEEP\\c.txt", 1},
                               {"D:\\S\\in\\deep\\d.txt", 1}};
    CreationCounterBlock block;
    std::deque<std::string> failures;
    AttachWalk walk(block, sizes, {.recordedFailures = &failures});
    walk.ForgetLastRun();

    for (const std::string target : {"D:\\T1", "D:\\T2"}) {
        sandbox.MakeFolder(target);
        walk.AttachTargetRoot = target + "\\S";
        walk.CopyFolderStructure("D:\\S", AttachMode::MainFolderWithFiles);
    }
    // In each target: S, in and the first of the two folders are made, the
    // second is found there and merged into; of the two files the first
    // listed is copied and the second finds it there.
    EXPECT_EQ(block.Counters.Created.SubFolders, 2 * 3);
    EXPECT_EQ(block.Counters.Exists.SubFolders, 2 * 1);
    EXPECT_EQ(block.Counters.Created.Files, 2 * 3);
    EXPECT_EQ(block.Counters.Exists.Files, 2 * 1);
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(sandbox.Read("D:\\T2\\S\\in\\X.TXT"), "upper");
    EXPECT_FALSE(sandbox.Exists("D:\\T2\\S\\in\\x.txt"));
    EXPECT_EQ(sandbox.Read("D:\\T2\\S\\in\\DEEP\\d.txt"), "d");
    EXPECT_FALSE(sandbox.Exists("D:\\T2\\S\\in\\deep"));
}

TEST(AttachWalkCopyTest, AFileDeletedBetweenTwoCopiesIsLeftOutOfTheCopiesThatFollow) {
    testsupport::DriveSandbox sandbox("D");
    testsupport::ScriptedDesktop desktop;
    sandbox.MakeFile("D:\\S\\sub\\a.txt", "a");
    sandbox.MakeFile("D:\\S\\sub\\b.txt", "b");
    const FileSizeMap sizes = {{"D:\\S\\sub\\a.txt", 1}, {"D:\\S\\sub\\b.txt", 1}};
    CreationCounterBlock block;
    std::deque<std::string> failures;
    AttachWalk walk(block, sizes, {.recordedFailures = &failures});
    walk.ForgetLastRun();

    sandbox.MakeFolder("D:\\T1");
    walk.AttachTargetRoot = "D:\\T1\\S";
    walk.CopyFolderStructure("D:\\S", AttachMode::MainFolderWithFiles);
    ASSERT_EQ(::unlink(sandbox.Host("D:\\S\\sub\\a.txt").c_str()), 0);
    sandbox.MakeFolder("D:\\T2");
    walk.AttachTargetRoot = "D:\\T2\\S";
    walk.CopyFolderStructure("D:\\S", AttachMode::MainFolderWithFiles);

    // The folder is listed again once it changed: the file is no longer
    // there to copy, and nothing fails.
    EXPECT_EQ(block.Counters.Created.Files, 3);
    EXPECT_EQ(block.Counters.Other.Files, 0);
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(sandbox.Read("D:\\T2\\S\\sub\\b.txt"), "b");
    EXPECT_FALSE(sandbox.Exists("D:\\T2\\S\\sub\\a.txt"));
}

} // namespace

namespace {

TEST(AttachWalkCopyTest, FoldersItMadeAreNotedAsUndoWouldNoteThemByTheirPaths) {
    testsupport::DriveSandbox sandbox("D");
    testsupport::ScriptedDesktop desktop;
    sandbox.MakeFile("D:\\S\\a\\b\\c.txt", "c");
    sandbox.MakeFolder("D:\\S\\d");
    sandbox.MakeFolder("D:\\T");
    const FileSizeMap sizes = {{"D:\\S\\a\\b\\c.txt", 1}};
    CreationCounterBlock block;
    std::deque<std::string> folders;
    std::deque<std::optional<CreatedEntry>> entries;
    AttachWalk walk(block, sizes, {.recordedFolders = &folders, .recordedFolderEntries = &entries});
    walk.ForgetLastRun();
    walk.AttachTargetRoot = "D:\\T\\S";
    walk.CopyFolderStructure("D:\\S", AttachMode::MainFolderWithFiles);

    ASSERT_EQ(folders, (std::deque<std::string>{"D:\\T\\S", "D:\\T\\S\\a", "D:\\T\\S\\d", "D:\\T\\S\\a\\b"}));
    ASSERT_EQ(entries.size(), folders.size());
    // The top folder too, made by its path, is noted as its path would note it.
    for (size_t i = 0; i < folders.size(); ++i) {
        ASSERT_TRUE(entries[i].has_value()) << folders[i];
        const std::optional<CreatedEntry> byPath = CreatedEntryRecorder().Record(folders[i]);
        ASSERT_TRUE(byPath.has_value()) << folders[i];
        EXPECT_EQ(entries[i]->identity, byPath->identity) << folders[i];
        EXPECT_EQ(entries[i]->kind, platform::EntryKind::Folder) << folders[i];
        EXPECT_EQ(entries[i]->HostFolder(), byPath->HostFolder()) << folders[i];
        EXPECT_EQ(StandingOf(folders[i], entries[i]), UndoStanding::RunsOwn) << folders[i];
    }
}

} // namespace
