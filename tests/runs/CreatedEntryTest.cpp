// Whether a path still leads to the entry a run made: what Undo of every page
// asks before it removes anything.

#include "runs/CreatedEntry.h"

#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using testsupport::DriveSandbox;
namespace fs = std::filesystem;

TEST(CreatedEntry, OnlyTheUntouchedEntryReachedAsBeforeIsTheRunsOwn) {
    struct Case {
        const char* name;
        const char* path;
        std::function<void(const DriveSandbox&)> change;
        UndoStanding expected;
    };
    const Case cases[] = {
        {"untouched file", "D:\\W\\1\\f.txt", [](const DriveSandbox&) {}, UndoStanding::RunsOwn},
        {"untouched folder", "D:\\W\\1", [](const DriveSandbox&) {}, UndoStanding::RunsOwn},
        {"untouched dangling link", "D:\\W\\1\\dangling", [](const DriveSandbox&) {}, UndoStanding::RunsOwn},
        {"file deleted", "D:\\W\\1\\f.txt",
         [](const DriveSandbox& s) { fs::remove(s.Host("D:\\W\\1\\f.txt")); }, UndoStanding::Gone},
        {"folder deleted with its files", "D:\\W\\1\\f.txt",
         [](const DriveSandbox& s) { fs::remove_all(s.Host("D:\\W\\1")); }, UndoStanding::Gone},
        {"file edited in place", "D:\\W\\1\\f.txt",
         [](const DriveSandbox& s) { std::ofstream(s.Host("D:\\W\\1\\f.txt"), std::ios::app) << "more"; },
         UndoStanding::NotOwn},
        {"file touched, same size", "D:\\W\\1\\f.txt",
         [](const DriveSandbox& s) {
             const fs::path file = s.Host("D:\\W\\1\\f.txt");
             fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
         },
         UndoStanding::NotOwn},
        {"file made anew", "D:\\W\\1\\f.txt",
         [](const DriveSandbox& s) {
             fs::remove(s.Host("D:\\W\\1\\f.txt"));
             s.MakeFile("D:\\W\\1\\f.txt", "run");
         },
         UndoStanding::NotOwn},
        {"folder replaced by a link to a folder of the person", "D:\\W\\1\\f.txt",
         [](const DriveSandbox& s) {
             fs::rename(s.Host("D:\\W\\1"), s.Host("D:\\Away"));
             s.MakeFile("D:\\Precious\\f.txt", "run");
             fs::create_directory_symlink(s.Host("D:\\Precious"), s.Host("D:\\W\\1"));
         },
         UndoStanding::NotOwn},
        {"folder moved away and reached through a link", "D:\\W\\1\\f.txt",
         [](const DriveSandbox& s) {
             fs::rename(s.Host("D:\\W\\1"), s.Host("D:\\Away"));
             fs::create_directory_symlink(s.Host("D:\\Away"), s.Host("D:\\W\\1"));
         },
         UndoStanding::OtherWay},
        {"link in the folder's own place", "D:\\W\\1",
         [](const DriveSandbox& s) {
             fs::rename(s.Host("D:\\W\\1"), s.Host("D:\\Away"));
             fs::create_directory_symlink(s.Host("D:\\Away"), s.Host("D:\\W\\1"));
         },
         UndoStanding::NotOwn},
    };
    for (const Case& c : cases) {
        DriveSandbox sandbox;
        sandbox.MakeFile("D:\\W\\1\\f.txt", "run");
        fs::create_symlink(sandbox.Host("D:\\Nowhere"), sandbox.Host("D:\\W\\1\\dangling"));
        CreatedEntryRecorder recorder;
        const std::optional<CreatedEntry> recorded = recorder.Record(c.path);
        ASSERT_TRUE(recorded) << c.name;
        c.change(sandbox);
        EXPECT_EQ(StandingOf(c.path, recorded), c.expected) << c.name;
    }
}

// One recorder notes a whole run: a folder and the entries made in it, in
// whatever spelling the run gives their paths, each keep their own folder.
TEST(CreatedEntry, EachEntryOfARunKeepsItsOwnFolder) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\W\\1\\f.txt", "run");
    sandbox.MakeFile("D:\\W\\1\\g.txt", "run");
    sandbox.MakeFile("D:\\W\\2\\h.txt", "run");
    const char* const paths[] = {
        "D:\\W\\1\\", "D:\\W\\1\\f.txt",   "d:\\w\\1\\G.TXT",        "D:\\W\\1\\.",
        "D:\\W\\2",   "D:\\W\\1\\..\\2\\", "D:\\W\\1\\..\\2\\h.txt", "D:\\W\\1\\g.txt"};
    CreatedEntryRecorder recorder;
    std::vector<std::optional<CreatedEntry>> recorded;
    for (const char* path : paths)
        recorded.push_back(recorder.Record(path));
    for (std::size_t i = 0; i < recorded.size(); ++i) {
        ASSERT_TRUE(recorded[i]) << paths[i];
        EXPECT_EQ(StandingOf(paths[i], recorded[i]), UndoStanding::RunsOwn) << paths[i];
    }
}

// Same size, same modification time, same inode: only the change time
// tells that the person wrote into the file and put its time back.
TEST(CreatedEntry, AFileEditedWithItsTimePutBackIsNotTheRunsOwn) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\W\\f.txt", "run");
    CreatedEntryRecorder recorder;
    const std::optional<CreatedEntry> recorded = recorder.Record("D:\\W\\f.txt");
    ASSERT_TRUE(recorded);
    const fs::path file = sandbox.Host("D:\\W\\f.txt");
    const fs::file_time_type written = fs::last_write_time(file);
    // The change time moves on the file system's clock tick: write until it has.
    while (platform::GetEntryDetails("D:\\W\\f.txt").changedNanoseconds == recorded->changedNanoseconds &&
           platform::GetEntryDetails("D:\\W\\f.txt").changedSeconds == recorded->changedSeconds) {
        std::ofstream(file, std::ios::in | std::ios::out | std::ios::binary) << "RUN";
        fs::last_write_time(file, written);
    }
    const platform::EntryDetails now = platform::GetEntryDetails("D:\\W\\f.txt");
    ASSERT_EQ(now.size, recorded->size);
    ASSERT_EQ(now.modifiedSeconds, recorded->modifiedSeconds);
    ASSERT_EQ(now.modifiedNanoseconds, recorded->modifiedNanoseconds);
    ASSERT_EQ(now.identity, recorded->identity);
    EXPECT_EQ(StandingOf("D:\\W\\f.txt", recorded), UndoStanding::NotOwn);
}

// On a file system that gives neither birth time nor generation, an entry
// cannot be told from another one made in its inode: never the run's own.
TEST(CreatedEntry, AnIdentityThatTellsNoReusedInodeApartIsNeverTheRunsOwn) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\W\\f.txt", "run");
    CreatedEntryRecorder recorder;
    std::optional<CreatedEntry> recorded = recorder.Record("D:\\W\\f.txt");
    ASSERT_TRUE(recorded);
    ASSERT_EQ(StandingOf("D:\\W\\f.txt", recorded), UndoStanding::RunsOwn);
    recorded->identity.distinct = false;
    EXPECT_EQ(StandingOf("D:\\W\\f.txt", recorded), UndoStanding::NotOwn);
}

TEST(CreatedEntry, WhatTheRunCouldNotNoteIsNeverItsOwn) {
    DriveSandbox sandbox;
    CreatedEntryRecorder recorder;
    EXPECT_FALSE(recorder.Record("D:\\W\\1"));
    EXPECT_EQ(StandingOf("D:\\W\\1", std::nullopt), UndoStanding::Gone);
    sandbox.MakeFolder("D:\\W\\1");
    EXPECT_EQ(StandingOf("D:\\W\\1", std::nullopt), UndoStanding::NotOwn);
}

} // namespace
