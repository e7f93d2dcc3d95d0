// Creating, removing, deleting, moving and copying, and what symbolic links
// mean for each.

#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"
#include "support/PermissionsAsAUser.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace platform;
using testsupport::DriveSandbox;
namespace fs = std::filesystem;

TEST(FileOperations, CreateAndRemoveFolders) {
    DriveSandbox sandbox;
    EXPECT_TRUE(CreateDirectoryA("D:\\Top"));
    EXPECT_TRUE(CreateDirectoryA("d:\\top\\Inner"));
    EXPECT_TRUE(sandbox.Exists("D:\\Top\\Inner"));
    EXPECT_FALSE(CreateDirectoryA("D:\\"));
    EXPECT_FALSE(RemoveDirectoryA("D:\\TOP"));
    EXPECT_EQ(GetLastError(), ERROR_DIR_NOT_EMPTY);
    EXPECT_TRUE(RemoveDirectoryA("D:\\TOP\\INNER"));
    EXPECT_TRUE(RemoveDirectoryA("D:\\top"));
    EXPECT_FALSE(sandbox.Exists("D:\\Top"));
    EXPECT_FALSE(RemoveDirectoryA("D:\\top"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(RemoveDirectoryA("D:\\"));
    sandbox.MakeFile("D:\\file");
    EXPECT_FALSE(RemoveDirectoryA("D:\\file"));
    EXPECT_EQ(GetLastError(), ERROR_DIRECTORY);
    EXPECT_TRUE(sandbox.Exists("D:\\file"));
}

TEST(FileOperations, DeleteFileRemovesFilesOnly) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\a\\Doc.txt", "x");
    EXPECT_FALSE(DeleteFileA("D:\\a"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(sandbox.Exists("D:\\a"));
    EXPECT_TRUE(DeleteFileA("D:\\A\\DOC.TXT"));
    EXPECT_FALSE(sandbox.Exists("D:\\a\\Doc.txt"));
    EXPECT_FALSE(DeleteFileA("D:\\a\\Doc.txt"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(FileOperations, MoveRenamesButNeverReplaces) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\src\\inside.txt", "content");
    sandbox.MakeFolder("D:\\taken");
    EXPECT_FALSE(MoveFileA("D:\\src", "D:\\TAKEN"));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(MoveFileA("D:\\missing", "D:\\new"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(MoveFileA("D:\\src", "D:\\no\\such\\place"));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(MoveFileA("D:\\src", "D:\\src\\into-itself"));
    EXPECT_TRUE(sandbox.Exists("D:\\src\\inside.txt"));

    EXPECT_TRUE(MoveFileA("D:\\SRC", "D:\\taken\\moved"));
    EXPECT_EQ(sandbox.Read("D:\\taken\\moved\\inside.txt"), "content");
    EXPECT_FALSE(sandbox.Exists("D:\\src"));
    // A change of case only is a rename of the entry itself.
    EXPECT_TRUE(MoveFileA("D:\\taken\\moved", "D:\\taken\\MOVED"));
    EXPECT_TRUE(sandbox.Exists("D:\\taken\\MOVED\\inside.txt"));
    EXPECT_FALSE(sandbox.Exists("D:\\taken\\moved"));
    // Across drives of one host file system.
    EXPECT_TRUE(MoveFileA("D:\\taken\\MOVED\\inside.txt", "C:\\inside.txt"));
    EXPECT_EQ(sandbox.Read("C:\\inside.txt"), "content");
}

TEST(FileOperations, CopyKeepsContentAndHonoursFailIfExists) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\from\\Data.bin", std::string("a\0b\xff", 4));
    sandbox.MakeFile("D:\\to\\old.bin", "old");
    sandbox.MakeFolder("D:\\to\\folder");
    EXPECT_TRUE(CopyFileA("D:\\FROM\\data.bin", "D:\\to\\new.bin", true));
    EXPECT_EQ(sandbox.Read("D:\\to\\new.bin"), std::string("a\0b\xff", 4));

    EXPECT_FALSE(CopyFileA("D:\\from\\Data.bin", "D:\\to\\OLD.BIN", true));
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    EXPECT_EQ(sandbox.Read("D:\\to\\old.bin"), "old");
    EXPECT_TRUE(CopyFileA("D:\\from\\Data.bin", "D:\\to\\OLD.BIN", false));
    EXPECT_EQ(sandbox.Read("D:\\to\\old.bin"), std::string("a\0b\xff", 4));
    EXPECT_FALSE(sandbox.Exists("D:\\to\\OLD.BIN"));
    // Nothing but the named files appears or changes.
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(sandbox.Host("D:\\to")))
        ++count;
    EXPECT_EQ(count, 3u);

    EXPECT_FALSE(CopyFileA("D:\\from\\missing", "D:\\to\\x", false));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(CopyFileA("D:\\from", "D:\\to\\x", false));
    EXPECT_FALSE(CopyFileA("D:\\from\\Data.bin", "D:\\to\\folder", false));
    EXPECT_FALSE(CopyFileA("D:\\from\\Data.bin", "D:\\nowhere\\x", false));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    // A file copied onto itself is refused, not emptied.
    EXPECT_FALSE(CopyFileA("D:\\from\\Data.bin", "D:\\from\\DATA.bin", false));
    EXPECT_EQ(sandbox.Read("D:\\from\\Data.bin"), std::string("a\0b\xff", 4));
}

TEST(FileOperations, CopyOfALargeFileIsComplete) {
    DriveSandbox sandbox;
    std::string content;
    for (int i = 0; i < 300000; ++i)
        content += static_cast<char>('a' + i % 26);
    sandbox.MakeFile("D:\\big.txt", content);
    ASSERT_TRUE(CopyFileA("D:\\big.txt", "C:\\copy.txt", true));
    EXPECT_EQ(sandbox.Read("C:\\copy.txt"), content);
}

class SymbolicLinks : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox.MakeFile("D:\\target\\keep.txt", "keep");
        sandbox.MakeFile("D:\\target\\sub\\deep.txt", "deep");
        sandbox.MakeFile("D:\\walk\\real.txt", "real");
        fs::create_directory_symlink(sandbox.Host("D:\\target"), sandbox.Host("D:\\walk\\FolderLink"));
        fs::create_symlink(sandbox.Host("D:\\target\\keep.txt"), sandbox.Host("D:\\walk\\fileLink"));
    }
    void ExpectTargetIntact() {
        EXPECT_EQ(sandbox.Read("D:\\target\\keep.txt"), "keep");
        EXPECT_EQ(sandbox.Read("D:\\target\\sub\\deep.txt"), "deep");
    }
    DriveSandbox sandbox;
};

TEST_F(SymbolicLinks, ShowAsWindowsShowsFolderAndFileLinks) {
    fs::create_symlink(sandbox.Host("D:\\nowhere"), sandbox.Host("D:\\walk\\dangling"));
    const uint32_t folderLink = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    const uint32_t fileLink = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT;
    const std::map<std::string, uint32_t> expected = {
        {"dangling", fileLink}, {"fileLink", fileLink}, {"FolderLink", folderLink}, {"real.txt", 0}};
    for (const auto& [name, attributes] : expected) {
        const uint32_t got = GetFileAttributesA("D:\\walk\\" + name);
        EXPECT_EQ(got & (folderLink | FILE_ATTRIBUTE_ARCHIVE),
                  attributes ? attributes : FILE_ATTRIBUTE_ARCHIVE)
            << name;
    }
    std::map<std::string, uint32_t> listed;
    FindData found;
    FindHandle handle = FindFirstFileA("D:\\walk\\*.*", found);
    ASSERT_NE(handle, nullptr);
    do {
        listed[found.cFileName] = found.dwFileAttributes;
        if (found.cFileName != "." && found.cFileName != ".." && found.cFileName != "real.txt") {
            EXPECT_EQ(found.fileSize, 0u) << found.cFileName;
        }
    } while (FindNextFileA(handle, found));
    FindClose(handle);
    EXPECT_EQ(listed["FolderLink"], folderLink);
    EXPECT_EQ(listed["fileLink"], fileLink);
    EXPECT_EQ(listed["dangling"], fileLink);
    // What a walk reads of an entry: a link is an entry of its own, never a
    // folder to descend into.
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(ListFolderEntries("D:\\walk", entries));
    for (const FolderEntry& entry : entries) {
        EXPECT_EQ(entry.isLink, entry.name != "real.txt") << entry.name;
        EXPECT_FALSE(entry.isDirectory) << entry.name;
    }
    // A folder link is entered and led through as the folder it points to.
    EXPECT_TRUE(SetCurrentDirectoryA("D:\\walk\\FolderLink"));
    EXPECT_EQ(GetFileAttributesA("keep.txt"), FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ(GetFileAttributesA("D:\\walk\\FolderLink\\keep.txt"), FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_FALSE(SetCurrentDirectoryA("D:\\walk\\fileLink"));
}

TEST_F(SymbolicLinks, DeletingRemovesTheLinkNeverTheTarget) {
    EXPECT_FALSE(RemoveDirectoryA("D:\\walk\\fileLink"));
    EXPECT_TRUE(RemoveDirectoryA("D:\\walk\\FolderLink"));
    EXPECT_TRUE(DeleteFileA("D:\\walk\\fileLink"));
    EXPECT_FALSE(sandbox.Exists("D:\\walk\\FolderLink"));
    EXPECT_FALSE(sandbox.Exists("D:\\walk\\fileLink"));
    ExpectTargetIntact();
    fs::create_directory_symlink(sandbox.Host("D:\\target"), sandbox.Host("D:\\walk\\again"));
    EXPECT_TRUE(DeleteFileA("D:\\walk\\again"));
    ExpectTargetIntact();
}

TEST_F(SymbolicLinks, ShellDeleteRemovesLinksWithoutFollowing) {
    fs::create_directory_symlink(sandbox.Host("D:\\target"), sandbox.Host("D:\\walk\\real-sub-link"));
    sandbox.MakeFolder("D:\\walk\\nested");
    fs::create_directory_symlink(sandbox.Host("D:\\target\\sub"), sandbox.Host("D:\\walk\\nested\\inner"));
    EXPECT_TRUE(ShellDeleteFiles("D:\\walk\\*.*"));
    EXPECT_TRUE(fs::is_empty(sandbox.Host("D:\\walk")));
    ExpectTargetIntact();
    // The contents behind a link to a folder are not the link's to give away.
    EXPECT_FALSE(ShellDeleteFiles("D:\\link-to-target\\*.*"));
    fs::create_directory_symlink(sandbox.Host("D:\\target"), sandbox.Host("D:\\link-to-target"));
    EXPECT_FALSE(ShellDeleteFiles("D:\\link-to-target\\*.*"));
    ExpectTargetIntact();
}

TEST_F(SymbolicLinks, CopyOverALinkReplacesTheLinkOnly) {
    sandbox.MakeFile("D:\\new.txt", "new");
    EXPECT_TRUE(CopyFileA("D:\\new.txt", "D:\\walk\\fileLink", false));
    EXPECT_EQ(sandbox.Read("D:\\walk\\fileLink"), "new");
    EXPECT_FALSE(fs::is_symlink(sandbox.Host("D:\\walk\\fileLink")));
    ExpectTargetIntact();
}

TEST(ShellDelete, EmptiesTheFolderAndKeepsIt) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\box\\a.txt", "a");
    sandbox.MakeFile("D:\\box\\.hidden", "h");
    sandbox.MakeFile("D:\\box\\sub\\deeper\\b.txt", "b");
    sandbox.MakeFolder("D:\\box\\empty");
    sandbox.MakeFile("D:\\outside.txt", "stay");
    EXPECT_TRUE(ShellDeleteFiles("d:\\BOX\\*.*"));
    EXPECT_TRUE(sandbox.Exists("D:\\box"));
    EXPECT_TRUE(fs::is_empty(sandbox.Host("D:\\box")));
    EXPECT_EQ(sandbox.Read("D:\\outside.txt"), "stay");
    // Emptying an empty folder is done at once.
    EXPECT_TRUE(ShellDeleteFiles("D:\\box\\*.*"));
    // The layer sees the folder empty afterwards.
    EXPECT_EQ(GetFileAttributesA("D:\\box\\a.txt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(CreateDirectoryA("D:\\box\\SUB"));
}

TEST(ShellDelete, OnlyMatchingEntriesGo) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\box\\a.txt");
    sandbox.MakeFile("D:\\box\\B.TXT");
    sandbox.MakeFile("D:\\box\\c.log");
    EXPECT_TRUE(ShellDeleteFiles("D:\\box\\*.txt"));
    EXPECT_FALSE(sandbox.Exists("D:\\box\\a.txt"));
    EXPECT_FALSE(sandbox.Exists("D:\\box\\B.TXT"));
    EXPECT_TRUE(sandbox.Exists("D:\\box\\c.log"));
}

TEST(ShellDelete, RefusesDrivesMissingFoldersAndBadPatterns) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\a.txt", "a");
    sandbox.MakeFile("D:\\file.txt", "f");
    EXPECT_FALSE(ShellDeleteFiles("D:\\*.*"));
    EXPECT_FALSE(ShellDeleteFiles("D:*.*"));
    EXPECT_FALSE(ShellDeleteFiles("D:\\missing\\*.*"));
    EXPECT_FALSE(ShellDeleteFiles("D:\\file.txt\\*.*"));
    EXPECT_FALSE(ShellDeleteFiles("Q:\\box\\*.*"));
    EXPECT_FALSE(ShellDeleteFiles(""));
    EXPECT_FALSE(ShellDeleteFiles("\\\\server\\share\\*.*"));
    EXPECT_TRUE(sandbox.Exists("D:\\a.txt"));
    EXPECT_TRUE(sandbox.Exists("D:\\file.txt"));
}

TEST(ShellDelete, ReportsWhatCouldNotGo) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\box\\locked\\stays.txt");
    sandbox.MakeFile("D:\\box\\goes.txt");
    fs::permissions(sandbox.Host("D:\\box\\locked"), fs::perms::owner_read | fs::perms::owner_exec);
    // As an ordinary user, who may not empty a folder that is not writable.
    testsupport::PermissionsAsAUser asUser;
    ASSERT_TRUE(asUser.Active()) << "file permissions cannot be made to hold for this process";
    EXPECT_FALSE(ShellDeleteFiles("D:\\box\\*.*"));
    EXPECT_FALSE(sandbox.Exists("D:\\box\\goes.txt"));
    EXPECT_TRUE(sandbox.Exists("D:\\box\\locked\\stays.txt"));
}

} // namespace
