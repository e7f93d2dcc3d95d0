// The shortcuts a creation run takes through the layer: creating a folder at
// once where that is sure to be what the full checks would do, keeping the
// names of folders it has just created, and opening the file to copy by its
// exact name first. Each must behave exactly as the long way does.

#include "platform/FileSystem.h"
#include "platform/OpenFolders.h"
#include "platform/RecentMap.h"
#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace platform;
using testsupport::DriveSandbox;
namespace fs = std::filesystem;

bool IsFolder(const std::string& path) {
    const uint32_t attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(CreationShortcuts, AFolderIsCreatedAtOnceOnlyInAFolderWhoseNamesAreKept) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\dest\\Taken");
    sandbox.MakeFile("D:\\dest\\file");
    // Nothing is known of the folder yet: the try creates nothing.
    EXPECT_FALSE(TryCreateDirectoryInFolder("D:\\dest\\first", false));
    EXPECT_FALSE(sandbox.Exists("D:\\dest\\first"));
    // Once a lookup has read its names, a new folder is created at once...
    EXPECT_FALSE(IsFolder("D:\\dest\\first"));
    EXPECT_TRUE(TryCreateDirectoryInFolder("D:\\dest\\first", false));
    EXPECT_TRUE(sandbox.Exists("D:\\dest\\first"));
    // A path that names the folder in another case is matched the long way.
    EXPECT_FALSE(TryCreateDirectoryInFolder("d:\\DEST\\second", false));
    EXPECT_FALSE(sandbox.Exists("D:\\dest\\second"));
    // ...and a name there in any case, folder or file, is left alone.
    for (const std::string taken : {"D:\\dest\\TAKEN", "D:\\dest\\First", "D:\\dest\\FILE"}) {
        SCOPED_TRACE(taken);
        EXPECT_FALSE(TryCreateDirectoryInFolder(taken, true));
        EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    }
    EXPECT_FALSE(sandbox.Exists("D:\\dest\\First"));
    EXPECT_FALSE(TryCreateDirectoryInFolder("D:\\dest\\missing\\sub", true));
    EXPECT_FALSE(TryCreateDirectoryInFolder("D:\\dest\\bad|name", true));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME);
    EXPECT_FALSE(TryCreateDirectoryInFolder("D:\\", true));
    // A name another program gave the folder meanwhile is seen too.
    sandbox.MakeFolder("D:\\dest\\LATER");
    EXPECT_FALSE(TryCreateDirectoryInFolder("D:\\dest\\later", true));
    EXPECT_FALSE(sandbox.Exists("D:\\dest\\later"));
}

TEST(CreationShortcuts, AFolderReachedThroughALinkTakesTheLongWay) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\real");
    fs::create_directory_symlink(sandbox.Host("D:\\real"), sandbox.Host("D:\\link"));
    EXPECT_FALSE(IsFolder("D:\\link\\x"));
    EXPECT_FALSE(TryCreateDirectoryInFolder("D:\\link\\x", true));
    EXPECT_FALSE(sandbox.Exists("D:\\real\\x"));
    // Windows itself creates through the link.
    EXPECT_TRUE(CreateDirectoryA("D:\\link\\x"));
    EXPECT_TRUE(sandbox.Exists("D:\\real\\x"));
}

TEST(CreationShortcuts, NamesOfANewFolderFollowChangesAroundTheLayer) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\dest");
    EXPECT_FALSE(IsFolder("D:\\dest\\item"));
    for (bool keepNames : {true, false}) {
        SCOPED_TRACE(keepNames);
        const std::string item = keepNames ? "D:\\dest\\kept" : "D:\\dest\\plain";
        ASSERT_TRUE(TryCreateDirectoryInFolder(item, keepNames));
        EXPECT_TRUE(CreateDirectoryA(item + "\\Sub"));
        EXPECT_FALSE(CreateDirectoryA(item + "\\SUB"));
        // Another program adds a name right after the layer's own change.
        sandbox.MakeFile(item + "\\Other.txt");
        EXPECT_FALSE(CreateDirectoryA(item + "\\OTHER.TXT"));
        EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
        sandbox.MakeFile("D:\\source.txt", "data");
        EXPECT_FALSE(CopyFileA("D:\\source.txt", item + "\\other.txt", true));
        EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
        EXPECT_TRUE(CopyFileA("D:\\source.txt", item + "\\copy.txt", true));
        EXPECT_FALSE(CopyFileA("D:\\source.txt", item + "\\COPY.TXT", true));
    }
}

TEST(CreationShortcuts, TheFolderReadAtCreationIsTheOneReadAfterwards) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\dest");
    EXPECT_FALSE(IsFolder("D:\\dest\\item"));
    for (bool keepNames : {true, false}) {
        SCOPED_TRACE(keepNames);
        const std::string item = keepNames ? "D:\\dest\\kept" : "D:\\dest\\plain";
        std::optional<EntryDetails> made;
        ASSERT_TRUE(TryCreateDirectoryInFolder(item, keepNames, &made));
        ASSERT_TRUE(made.has_value());
        const EntryDetails read = GetEntryDetails(item);
        EXPECT_EQ(made->identity, read.identity);
        EXPECT_EQ(made->kind, EntryKind::Folder);
        EXPECT_EQ(made->name, read.name);
        EXPECT_EQ(made->modifiedSeconds, read.modifiedSeconds);
        EXPECT_EQ(made->modifiedNanoseconds, read.modifiedNanoseconds);
        // A try that creates nothing leaves nothing behind.
        EXPECT_FALSE(TryCreateDirectoryInFolder(item, keepNames, &made));
        EXPECT_FALSE(made.has_value());
    }
}

TEST(CreationShortcuts, AFolderMovedAwayAndReplacedIsNeverCreatedInAgain) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\dest");
    sandbox.MakeFile("D:\\source.txt", "data");
    EXPECT_FALSE(IsFolder("D:\\dest\\item"));
    ASSERT_TRUE(TryCreateDirectoryInFolder("D:\\dest\\first", false));
    ASSERT_TRUE(CopyFileA("D:\\source.txt", "D:\\dest\\first.txt", true));
    // Another program moves the folder away and puts a new one in its place.
    fs::rename(sandbox.Host("D:\\dest"), sandbox.Host("D:\\moved"));
    sandbox.MakeFolder("D:\\dest");
    EXPECT_FALSE(IsFolder("D:\\dest\\item")); // reads the new folder's names
    EXPECT_TRUE(TryCreateDirectoryInFolder("D:\\dest\\second", false));
    EXPECT_TRUE(CopyFileA("D:\\source.txt", "D:\\dest\\second.txt", true));
    EXPECT_TRUE(CreateDirectoryA("D:\\dest\\third"));
    for (const std::string name : {"second", "second.txt", "third"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(sandbox.Exists("D:\\dest\\" + name));
        EXPECT_FALSE(sandbox.Exists("D:\\moved\\" + name));
    }
    // The names the layer added follow the new folder, in any case.
    EXPECT_FALSE(CreateDirectoryA("D:\\dest\\SECOND"));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(CopyFileA("D:\\source.txt", "D:\\dest\\SECOND.TXT", true));
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
}

// A folder below a link is refused a watch, but the folders above the link
// are watched by then. What they report after that (here the link's folder
// removed) ends no watch begun since: the folders a later run makes
// elsewhere are made at once from the first on.
TEST(CreationShortcuts, WhatAnEarlierFolderReportedEndsNoWatchBegunSince) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\elsewhere\\sub");
    sandbox.MakeFolder("D:\\old");
    sandbox.MakeFolder("D:\\dest");
    fs::create_directory_symlink(sandbox.Host("D:\\elsewhere"), sandbox.Host("D:\\old\\link"));
    for (int look = 0; look < 2; ++look)
        EXPECT_FALSE(IsFolder("D:\\old\\link\\sub\\item"));
    fs::remove_all(sandbox.Host("D:\\old"));
    EXPECT_FALSE(IsFolder("D:\\dest\\item"));
    for (const std::string name : {"first", "second", "third"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(TryCreateDirectoryInFolder("D:\\dest\\" + name, false));
    }
}

// Between two folders of a run another program changes the folder they are
// made in, or one above it: the next folder is made as the long way makes
// it, in whatever the path leads to now, and a name there in another case is
// one with it.
TEST(CreationShortcuts, ChangesByAnotherProgramBetweenFoldersAreSeen) {
    struct Case {
        const char* change;
        std::function<void(const DriveSandbox&)> make;
        std::string create;
        bool created;
        std::string landsAt; // where the new folder lies (when created)
        std::string notAt;   // where it must not appear
    };
    const auto move = [](const DriveSandbox& sandbox, const std::string& from, const std::string& to) {
        fs::rename(sandbox.Host(from), sandbox.Host(to));
    };
    const std::vector<Case> cases = {
        {"a name made in another case", [](auto& s) { s.MakeFolder("D:\\top\\dest\\LATER"); },
         "D:\\top\\dest\\later", false, "", "D:\\top\\dest\\later"},
        {"a file made in another case", [](auto& s) { s.MakeFile("D:\\top\\dest\\Note.TXT"); },
         "D:\\top\\dest\\note.txt", false, "", "D:\\top\\dest\\note.txt"},
        {"a made folder removed", [](auto& s) { fs::remove(s.Host("D:\\top\\dest\\b")); }, "D:\\top\\dest\\B",
         true, "D:\\top\\dest\\B", ""},
        {"a made folder removed and made again in another case",
         [](auto& s) {
             fs::remove(s.Host("D:\\top\\dest\\b"));
             s.MakeFolder("D:\\top\\dest\\B");
         },
         "D:\\top\\dest\\b", false, "", "D:\\top\\dest\\b"},
        {"a made folder renamed", [&](auto& s) { move(s, "D:\\top\\dest\\b", "D:\\top\\dest\\c"); },
         "D:\\top\\dest\\C", false, "", "D:\\top\\dest\\C"},
        {"the folder moved away and made anew",
         [&](auto& s) {
             move(s, "D:\\top\\dest", "D:\\top\\old");
             s.MakeFolder("D:\\top\\dest");
         },
         "D:\\top\\dest\\a", true, "D:\\top\\dest\\a", ""},
        {"the folder emptied, removed and made anew",
         [](auto& s) {
             fs::remove_all(s.Host("D:\\top\\dest"));
             s.MakeFolder("D:\\top\\dest");
         },
         "D:\\top\\dest\\a", true, "D:\\top\\dest\\a", ""},
        {"a folder above moved away and made anew",
         [&](auto& s) {
             move(s, "D:\\top", "D:\\was");
             s.MakeFolder("D:\\top\\dest");
         },
         "D:\\top\\dest\\x", true, "D:\\top\\dest\\x", "D:\\was\\dest\\x"},
        {"a folder above removed and made anew",
         [](auto& s) {
             fs::remove_all(s.Host("D:\\top"));
             s.MakeFolder("D:\\top\\dest");
         },
         "D:\\top\\dest\\b", true, "D:\\top\\dest\\b", ""},
        {"the folder put aside and a link put in its place",
         [&](auto& s) {
             move(s, "D:\\top\\dest", "D:\\top\\real");
             fs::create_directory_symlink(s.Host("D:\\top\\real"), s.Host("D:\\top\\dest"));
         },
         "D:\\top\\dest\\x", true, "D:\\top\\real\\x", ""},
        {"a folder above put aside and a link put in its place",
         [&](auto& s) {
             move(s, "D:\\top", "D:\\aside");
             s.MakeFolder("D:\\other\\dest\\A");
             fs::create_directory_symlink(s.Host("D:\\other"), s.Host("D:\\top"));
         },
         "D:\\top\\dest\\a", false, "", "D:\\other\\dest\\a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        DriveSandbox sandbox;
        sandbox.MakeFolder("D:\\top\\dest");
        // The folder's names are read, and the run's first folders made.
        ASSERT_FALSE(IsFolder("D:\\top\\dest\\a"));
        for (const std::string name : {"a", "b"})
            ASSERT_TRUE(TryCreateDirectoryInFolder("D:\\top\\dest\\" + name, false)) << name;
        c.make(sandbox);
        const bool created = TryCreateDirectoryInFolder(c.create, false) || CreateDirectoryA(c.create);
        EXPECT_EQ(created, c.created);
        if (!created) {
            EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
        }
        if (!c.landsAt.empty()) {
            EXPECT_TRUE(fs::is_directory(sandbox.Host(c.landsAt)));
        }
        if (!c.notAt.empty()) {
            EXPECT_FALSE(fs::exists(fs::symlink_status(sandbox.Host(c.notAt))));
        }
    }
}

TEST(CreationShortcuts, FoldersBeyondTheKeptOnesAreReadAgain) {
    DriveSandbox sandbox;
    constexpr int Folders = 300; // more than the layer keeps
    for (int i = 0; i < Folders; ++i)
        sandbox.MakeFolder("D:\\f" + std::to_string(i) + "\\Name");
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < Folders; ++i) {
            const std::string folder = "D:\\f" + std::to_string(round == 0 ? i : Folders - 1 - i);
            ASSERT_TRUE(IsFolder(folder + "\\NAME")) << folder;
            ASSERT_FALSE(CreateDirectoryA(folder + "\\name")) << folder;
        }
    }
    fs::rename(sandbox.Host("D:\\f0\\Name"), sandbox.Host("D:\\f0\\Renamed"));
    EXPECT_FALSE(IsFolder("D:\\f0\\NAME"));
    EXPECT_TRUE(IsFolder("D:\\f0\\RENAMED"));
}

TEST(CreationShortcuts, TheFileToCopyIsFoundAsTheLongWayFindsIt) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\from\\Data.bin", "content");
    sandbox.MakeFolder("D:\\to");
    const std::string source = sandbox.Host("D:\\from\\Data.bin");
    const timespec times[2] = {{1000000000, 0}, {1200000000, 500}};
    ASSERT_EQ(utimensat(AT_FDCWD, source.c_str(), times, 0), 0);
    ASSERT_EQ(chmod(source.c_str(), 0640), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_TRUE(CopyFileA("D:\\FROM\\DATA.BIN", "D:\\to\\a", true));
    EXPECT_TRUE(CopyFileA("D:\\from\\Data.bin", "D:\\to\\b", true));
    for (const std::string copy : {"D:\\to\\a", "D:\\to\\b"}) {
        SCOPED_TRACE(copy);
        EXPECT_EQ(sandbox.Read(copy), "content");
        struct stat st {};
        ASSERT_EQ(stat(sandbox.Host(copy).c_str(), &st), 0);
        EXPECT_EQ(st.st_mtim.tv_sec, 1200000000);
        EXPECT_EQ(st.st_mode & 0777, 0640u & ~mask);
    }
    // A link to a file is copied as the file; a link to nothing, a folder and
    // a pipe are not, and nothing appears in their place.
    fs::create_symlink(source, sandbox.Host("D:\\from\\link"));
    fs::create_symlink(sandbox.Host("D:\\nowhere"), sandbox.Host("D:\\from\\dangling"));
    ASSERT_EQ(mkfifo(sandbox.Host("D:\\from\\pipe").c_str(), 0600), 0);
    EXPECT_TRUE(CopyFileA("D:\\from\\LINK", "D:\\to\\c", true));
    EXPECT_EQ(sandbox.Read("D:\\to\\c"), "content");
    EXPECT_FALSE(CopyFileA("D:\\from\\dangling", "D:\\to\\d", true));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(CopyFileA("D:\\from\\pipe", "D:\\to\\e", true));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(CopyFileA("D:\\from\\missing", "D:\\to\\f", true));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(CopyFileA("D:\\nowhere\\x", "D:\\to\\g", true));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    for (const std::string absent : {"D:\\to\\d", "D:\\to\\e", "D:\\to\\f", "D:\\to\\g"})
        EXPECT_FALSE(sandbox.Exists(absent)) << absent;
}

TEST(RecentMap, GivesUpTheEntryUsedLongestAgo) {
    detail::RecentMap<int> map(3);
    map.Put("a", 1);
    map.Put("b", 2);
    map.Put("c", 3);
    ASSERT_NE(map.Find("a"), nullptr); // a is now the most recent
    map.Put("d", 4);                   // b goes
    EXPECT_FALSE(map.Contains("b"));
    EXPECT_EQ(map.Size(), 3u);
    map.Put("c", 30); // replaced, and now the most recent
    map.Put("e", 5);  // a goes
    EXPECT_FALSE(map.Contains("a"));
    ASSERT_NE(map.Find("c"), nullptr);
    EXPECT_EQ(*map.Find("c"), 30);
    map.EraseIf([](const std::string& key) { return key != "e"; });
    EXPECT_EQ(map.Size(), 1u);
    EXPECT_EQ(*map.Find("e"), 5);
    map.Erase("e");
    map.Erase("e");
    EXPECT_EQ(map.Find("e"), nullptr);
    map.Put("f", 6);
    map.Clear();
    EXPECT_EQ(map.Size(), 0u);
    EXPECT_FALSE(map.Contains("f"));
}

// Forgetting a folder forgets what is kept of the folders below it, and of
// nothing that merely starts with the same letters.
TEST(RecentMap, ErasesAFolderWithWhatLiesBelowIt) {
    struct Case {
        const char* erased;
        std::vector<std::string> left;
    };
    const std::vector<std::string> keys = {"/a", "/a/b", "/a/b/c", "/a-b", "/ab", "/b/a"};
    const Case cases[] = {
        {"/a", {"/a-b", "/ab", "/b/a"}},
        {"/a/b", {"/a", "/a-b", "/ab", "/b/a"}},
        {"/a/b/c", {"/a", "/a/b", "/a-b", "/ab", "/b/a"}},
        {"/c", {"/a", "/a/b", "/a/b/c", "/a-b", "/ab", "/b/a"}},
        {"/", {}},
    };
    for (const Case& c : cases) {
        detail::RecentMap<int> map(10);
        for (const std::string& key : keys)
            map.Put(key, 1);
        map.EraseSubtree(c.erased);
        std::vector<std::string> left;
        for (const std::string& key : keys) {
            if (map.Contains(key))
                left.push_back(key);
        }
        EXPECT_EQ(left, c.left) << c.erased;
        EXPECT_EQ(map.Size(), c.left.size()) << c.erased;
        map.Put("/new", 2); // the order of use survives the erasing
        EXPECT_EQ(*map.Find("/new"), 2) << c.erased;
    }
}

// A folder is opened for entries made relative to it only once it is met
// twice in a row; one already open is used whenever it comes back.
TEST(OpenFolders, OpensAFolderMetTwiceInARow) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\A");
    sandbox.MakeFolder("D:\\B");
    const std::string a = sandbox.Host("D:\\A");
    const std::string b = sandbox.Host("D:\\B");
    struct stat aStatus {};
    struct stat bStatus {};
    ASSERT_EQ(stat(a.c_str(), &aStatus), 0);
    ASSERT_EQ(stat(b.c_str(), &bStatus), 0);
    detail::OpenFolders folders;
    EXPECT_LT(folders.Descriptor(a, aStatus), 0);
    EXPECT_LT(folders.Descriptor(b, bStatus), 0);
    EXPECT_LT(folders.Descriptor(a, aStatus), 0);
    const int held = folders.Descriptor(a, aStatus);
    ASSERT_GE(held, 0);
    struct stat through {};
    ASSERT_EQ(fstat(held, &through), 0);
    EXPECT_EQ(through.st_ino, aStatus.st_ino);
    EXPECT_LT(folders.Descriptor(b, bStatus), 0);
    EXPECT_GE(folders.Descriptor(a, aStatus), 0);
    // The path now leads to another folder: the one held is not it.
    fs::rename(a, sandbox.Host("D:\\Away"));
    sandbox.MakeFolder("D:\\A");
    struct stat replaced {};
    ASSERT_EQ(stat(a.c_str(), &replaced), 0);
    EXPECT_LT(folders.Descriptor(a, replaced), 0);
}

} // namespace
