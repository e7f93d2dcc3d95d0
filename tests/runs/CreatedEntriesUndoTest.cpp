// Undo of a run's records, entry by entry: what was made inside a folder Undo
// emptied and removed went with it, and only that.

#include "runs/CreatedEntriesUndo.h"

#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testsupport::DriveSandbox;
namespace fs = std::filesystem;

TEST(CreatedEntriesUndo, OnlyWhatWasMadeInsideARemovedFolderWentWithIt) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\W\\1\\2\\f.txt", "run");
    CreatedEntryRecorder recorder;
    const std::optional<CreatedEntry> top = recorder.Record("D:\\W\\1");
    const std::optional<CreatedEntry> inside = recorder.Record("D:\\W\\1\\2");
    const std::optional<CreatedEntry> file = recorder.Record("D:\\W\\1\\2\\f.txt");
    // Made while D:\W\1 led elsewhere: its path now leads into the folder
    // Undo removes, but it stands where it was made.
    fs::rename(sandbox.Host("D:\\W\\1"), sandbox.Host("D:\\Parked"));
    sandbox.MakeFolder("D:\\Other\\3");
    fs::create_directory_symlink(sandbox.Host("D:\\Other"), sandbox.Host("D:\\W\\1"));
    const std::optional<CreatedEntry> elsewhere = CreatedEntryRecorder().Record("D:\\W\\1\\3");
    fs::remove(sandbox.Host("D:\\W\\1"));
    fs::rename(sandbox.Host("D:\\Parked"), sandbox.Host("D:\\W\\1"));

    CreatedEntriesUndo undo;
    EXPECT_EQ(undo.RemoveFolder("D:\\W\\1", top), UndoOutcome::Removed);
    EXPECT_EQ(undo.RemoveFolder("D:\\W\\1\\2", inside), UndoOutcome::Gone);
    EXPECT_EQ(undo.RemoveFile("D:\\W\\1\\2\\f.txt", file), UndoOutcome::Gone);
    EXPECT_EQ(undo.RemoveFolder("D:\\W\\1\\3", elsewhere), UndoOutcome::Left);
    EXPECT_FALSE(sandbox.Exists("D:\\W\\1"));
    EXPECT_TRUE(sandbox.Exists("D:\\Other\\3"));
}

} // namespace
