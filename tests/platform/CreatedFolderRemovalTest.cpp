// Removing a folder a run made: only the very folder, reached the way it was
// made, goes; anything the person put in its place or on its way stays.

#include "platform/CreatedFolderRemoval.h"
#include "platform/EntryDetails.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace {

using testsupport::DriveSandbox;
namespace fs = std::filesystem;

std::string RealPath(const std::string& host) {
    char* resolved = realpath(host.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string real = resolved;
    free(resolved);
    return real;
}

TEST(CreatedFolderRemoval, RemovesOnlyTheFolderTheRunMadeReachedAsThen) {
    struct Case {
        const char* name;
        const char* path; // as Undo is given it
        std::function<void(const DriveSandbox&)> change;
        bool removed;
        const char* stays; // what must still be there afterwards ("" for nothing)
    };
    const Case cases[] = {
        {"empty, untouched", "D:\\W\\1", [](const DriveSandbox&) {}, true, ""},
        {"with files and folders", "D:\\W\\1",
         [](const DriveSandbox& s) {
             s.MakeFile("D:\\W\\1\\f.txt", "x");
             s.MakeFile("D:\\W\\1\\a\\b\\g.txt", "y");
         },
         true, ""},
        {"written in another case", "d:\\w\\1\\", [](const DriveSandbox&) {}, true, ""},
        {"a link inside is removed, never followed", "D:\\W\\1",
         [](const DriveSandbox& s) {
             s.MakeFile("D:\\Precious\\p.txt", "keep");
             fs::create_directory_symlink(s.Host("D:\\Precious"), s.Host("D:\\W\\1\\link"));
         },
         true, "D:\\Precious\\p.txt"},
        {"deleted by the person", "D:\\W\\1", [](const DriveSandbox& s) { fs::remove(s.Host("D:\\W\\1")); },
         false, ""},
        {"made anew by the person", "D:\\W\\1",
         [](const DriveSandbox& s) {
             fs::remove(s.Host("D:\\W\\1"));
             s.MakeFile("D:\\W\\1\\mine.txt", "mine");
         },
         false, "D:\\W\\1\\mine.txt"},
        {"a link to the person's folder in its place", "D:\\W\\1",
         [](const DriveSandbox& s) {
             fs::remove(s.Host("D:\\W\\1"));
             s.MakeFile("D:\\Precious\\p.txt", "keep");
             fs::create_directory_symlink(s.Host("D:\\Precious"), s.Host("D:\\W\\1"));
         },
         false, "D:\\Precious\\p.txt"},
        {"its folder moved and reached through a link", "D:\\W\\1",
         [](const DriveSandbox& s) {
             s.MakeFile("D:\\W\\1\\f.txt", "x");
             fs::rename(s.Host("D:\\W"), s.Host("D:\\Away"));
             fs::create_directory_symlink(s.Host("D:\\Away"), s.Host("D:\\W"));
         },
         false, "D:\\Away\\1\\f.txt"},
        {"a file in its place", "D:\\W\\1",
         [](const DriveSandbox& s) {
             fs::remove(s.Host("D:\\W\\1"));
             s.MakeFile("D:\\W\\1", "file");
         },
         false, "D:\\W\\1"},
        {"a drive's root inside it", "D:\\W\\1",
         [](const DriveSandbox& s) {
             s.MakeFile("D:\\W\\1\\E\\e.txt", "drive");
             platform::MapDrive('E', s.Host("D:\\W\\1\\E"));
         },
         false, "D:\\W\\1\\E\\e.txt"},
    };
    for (const Case& c : cases) {
        DriveSandbox sandbox;
        sandbox.MakeFolder("D:\\W\\1");
        const platform::EntryDetails made = platform::GetEntryDetails("D:\\W\\1");
        ASSERT_EQ(made.kind, platform::EntryKind::Folder) << c.name;
        const std::string hostFolder = RealPath(sandbox.Host("D:\\W"));
        c.change(sandbox);
        platform::CreatedFolderRemoval removal;
        EXPECT_EQ(removal.Remove(c.path, made.identity, hostFolder), c.removed) << c.name;
        if (c.removed) {
            EXPECT_FALSE(sandbox.Exists("D:\\W\\1")) << c.name;
        }
        if (*c.stays) {
            EXPECT_TRUE(sandbox.Exists(c.stays)) << c.name;
        }
    }
}

// One remover serves a whole undo: folders of many parents, each parent
// looked up once, and a failure in one folder leaves the others to go.
TEST(CreatedFolderRemoval, OneRemovalServesFoldersOfManyParents) {
    DriveSandbox sandbox;
    const char* const folders[] = {"D:\\A\\1", "D:\\B\\1", "D:\\A\\2", "D:\\B\\2"};
    platform::EntryDetails made[4];
    std::string hostFolders[4];
    for (int i = 0; i < 4; ++i) {
        sandbox.MakeFolder(folders[i]);
        made[i] = platform::GetEntryDetails(folders[i]);
        hostFolders[i] = RealPath(sandbox.Host(folders[i]).substr(0, sandbox.Host(folders[i]).rfind('/')));
    }
    sandbox.MakeFile("D:\\B\\1\\f.txt", "x");
    platform::CreatedFolderRemoval removal;
    EXPECT_TRUE(removal.Remove(folders[0], made[0].identity, hostFolders[0]));
    // Recorded in another folder than the one it lies in: not the run's.
    EXPECT_FALSE(removal.Remove(folders[1], made[1].identity, hostFolders[0]));
    EXPECT_TRUE(removal.Remove(folders[2], made[2].identity, hostFolders[2]));
    EXPECT_TRUE(removal.Remove(folders[3], made[3].identity, hostFolders[3]));
    EXPECT_FALSE(removal.Remove("D:\\", made[0].identity, hostFolders[0]));
    EXPECT_FALSE(sandbox.Exists("D:\\A\\1"));
    EXPECT_TRUE(sandbox.Exists("D:\\B\\1\\f.txt"));
    EXPECT_FALSE(sandbox.Exists("D:\\A\\2"));
    EXPECT_FALSE(sandbox.Exists("D:\\B\\2"));
    // What the layer knew of the parents is not trusted after the removals.
    EXPECT_TRUE(platform::CreateDirectoryA("D:\\a\\2"));
    EXPECT_TRUE(sandbox.Exists("D:\\A\\2"));
}

} // namespace
