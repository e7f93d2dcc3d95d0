// What the layer tells about links, names Windows cannot hold, the identity
// of folders and the file system a path is written to.

#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"
#include "support/Ext4Images.h"
#include "support/PrivateMounts.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

using namespace platform;
using testsupport::DriveSandbox;
namespace fs = std::filesystem;

TEST(WindowsNames, DeviceNamesAreRefusedAsComponents) {
    DriveSandbox sandbox;
    struct Case {
        const char* name;
        bool refused;
    };
    const Case cases[] = {
        {"CON", true},     {"con", true},      {"Prn", true},        {"AUX", true},      {"nul", true},
        {"nul.txt", true}, {"NUL .txt", true}, {"COM1", true},       {"com9.log", true}, {"LPT1", true},
        {"lpt9", true},    {"nul.", true},     {"console", false},   {"COM0", false},    {"LPT10", false},
        {"null", false},   {"xnul", false},    {"con-x.txt", false}, {"aux_", false},
    };
    for (const Case& c : cases) {
        const std::string path = std::string("D:\\") + c.name;
        EXPECT_EQ(CreateDirectoryA(path), !c.refused) << c.name;
        if (c.refused) {
            EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME) << c.name;
            // Refused as a folder on the way too, and by a listing.
            EXPECT_FALSE(CreateDirectoryA(path + "\\below")) << c.name;
            FindData found;
            EXPECT_EQ(FindFirstFileA(path + "\\*.*", found), nullptr) << c.name;
        }
        EXPECT_EQ(IsWindowsName(c.name), !c.refused && std::string(c.name).back() != '.') << c.name;
    }
}

TEST(WindowsNames, OnlyWhatAPathCanHoldIsAName) {
    const std::pair<std::string, bool> cases[] = {
        {"plain", true},
        {"with blank", true},
        {" leading", true},
        {".hidden", true},
        {"a\\b", false},
        {"..\\..\\up", false},
        {"a/b", false},
        {"a:b", false},
        {"a<b", false},
        {"a>b", false},
        {"a|b", false},
        {"a?b", false},
        {"a*b", false},
        {"a\"b", false},
        {"tab\there", false},
        {"dot.", false},
        {"blank ", false},
        {".", false},
        {"..", false},
        {"", false},
        {std::string(255, 'n'), true},
        {std::string(256, 'n'), false},
    };
    for (const auto& [name, valid] : cases)
        EXPECT_EQ(IsWindowsName(name), valid) << name;
}

TEST(ResolvedIdentity, TellsTheSameFolderWhateverThePath) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\Data\\Sub");
    sandbox.MakeFolder("D:\\Other");
    fs::create_directory_symlink(sandbox.Host("D:\\Data"), sandbox.Host("D:\\Link"));
    EntryIdentity data;
    ASSERT_TRUE(GetResolvedIdentity("D:\\Data", data));
    const std::pair<std::string, bool> cases[] = {
        {"d:\\DATA", true},       {"D:\\Data\\", true},        {"D:\\Link", true},
        {"D:\\link\\", true},     {"D:\\Data\\Sub\\..", true}, {"D:\\Data\\.", true},
        {"D:\\Link\\Sub", false}, {"D:\\Other", false},        {"D:\\", false},
    };
    for (const auto& [path, same] : cases) {
        EntryIdentity other;
        ASSERT_TRUE(GetResolvedIdentity(path, other)) << path;
        EXPECT_EQ(other == data, same) << path;
    }
    EntryIdentity missing;
    EXPECT_FALSE(GetResolvedIdentity("D:\\Nowhere", missing));
    // A folder replaced by another of the same name is not the same folder.
    fs::remove(sandbox.Host("D:\\Data\\Sub"));
    fs::rename(sandbox.Host("D:\\Other"), sandbox.Host("D:\\Data\\Sub"));
    EntryIdentity before;
    ASSERT_TRUE(GetResolvedIdentity("D:\\Link\\Sub", before));
    EntryIdentity moved;
    fs::rename(sandbox.Host("D:\\Data\\Sub"), sandbox.Host("D:\\Moved"));
    sandbox.MakeFolder("D:\\Data\\Sub");
    ASSERT_TRUE(GetResolvedIdentity("D:\\Moved", moved));
    EXPECT_EQ(moved, before);
    EntryIdentity replaced;
    ASSERT_TRUE(GetResolvedIdentity("D:\\Data\\Sub", replaced));
    EXPECT_FALSE(replaced == before);
}

TEST(EntryIdentity, IsOfTheEntryItselfNeverThroughItsLastLink) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\Data\\Sub");
    sandbox.MakeFile("D:\\Data\\f.txt", "x");
    fs::create_directory_symlink(sandbox.Host("D:\\Data"), sandbox.Host("D:\\FolderLink"));
    fs::create_symlink(sandbox.Host("D:\\Data\\f.txt"), sandbox.Host("D:\\FileLink"));
    fs::create_symlink(sandbox.Host("D:\\Nowhere"), sandbox.Host("D:\\Dangling"));
    struct Case {
        const char* path;
        const char* sameEntryAs; // nullptr: an entry of its own
    };
    const Case cases[] = {
        {"D:\\Data", "d:\\DATA\\"},
        {"D:\\FolderLink", nullptr},
        {"D:\\FolderLink\\Sub", "D:\\Data\\Sub"}, // a link on the way leads through
        {"D:\\FileLink", nullptr},
        {"D:\\Dangling", nullptr},
        {"D:\\", "d:\\."},
    };
    for (const Case& c : cases) {
        EntryIdentity entry;
        ASSERT_TRUE(GetEntryIdentity(c.path, entry)) << c.path;
        EntryIdentity resolved;
        const bool resolves = GetResolvedIdentity(c.path, resolved);
        if (c.sameEntryAs) {
            EntryIdentity other;
            ASSERT_TRUE(GetEntryIdentity(c.sameEntryAs, other)) << c.sameEntryAs;
            EXPECT_EQ(entry, other) << c.path;
            EXPECT_EQ(resolved, entry) << c.path;
        } else {
            // A link is not what it leads to; a dangling one leads nowhere.
            EXPECT_EQ(resolves, std::string(c.path) != "D:\\Dangling") << c.path;
            EXPECT_NE(resolved, entry) << c.path;
        }
    }
    EntryIdentity missing;
    EXPECT_FALSE(GetEntryIdentity("D:\\Nowhere", missing));
}

// File systems hand a freed inode to the next entry: on a disk of its own
// with every other inode taken, the folder made anew gets the old one for
// sure, and only its birth time tells the two apart.
TEST(EntryIdentity, AFolderMadeAnewIsAnotherEntryEvenOnTheSameInode) {
    using testsupport::Ext4Disk;
    if (testsupport::RanInPrivateMounts(Ext4Disk::WhyUnavailable(Ext4Disk::Kind::FewInodes)))
        return;
    DriveSandbox sandbox;
    const Ext4Disk disk(sandbox.Host("D:\\Disk"), Ext4Disk::Kind::FewInodes);
    sandbox.MakeFolder("D:\\Disk\\T\\S");
    sandbox.MakeFolder("D:\\Disk\\Full");
    EntryIdentity made;
    ASSERT_TRUE(GetEntryIdentity("D:\\Disk\\T\\S", made));
    ASSERT_TRUE(testsupport::TakeEveryFreeInode(sandbox.Host("D:\\Disk\\Full")));
    fs::remove(sandbox.Host("D:\\Disk\\T\\S"));
    fs::create_directory(sandbox.Host("D:\\Disk\\T\\S"));
    EntryIdentity anew;
    ASSERT_TRUE(GetEntryIdentity("D:\\Disk\\T\\S", anew));
    ASSERT_EQ(anew.inode, made.inode) << "the inode was not reused";
    EXPECT_NE(anew, made);
}

TEST(SymbolicLinkCopy, CopiesTheLinkNeverItsTarget) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\from\\file.txt", "content");
    sandbox.MakeFolder("D:\\to");
    fs::create_symlink("file.txt", sandbox.Host("D:\\from\\relative"));
    fs::create_directory_symlink(sandbox.Host("D:\\from"), sandbox.Host("D:\\from\\folder"));
    fs::create_symlink(sandbox.Host("D:\\nowhere"), sandbox.Host("D:\\from\\dangling"));
    for (const char* name : {"relative", "folder", "dangling"}) {
        const std::string source = std::string("D:\\from\\") + name;
        const std::string target = std::string("D:\\to\\") + name;
        ASSERT_TRUE(CopySymbolicLinkA(source, target)) << name;
        EXPECT_TRUE(fs::is_symlink(sandbox.Host(target))) << name;
        EXPECT_EQ(fs::read_symlink(sandbox.Host(target)), fs::read_symlink(sandbox.Host(source))) << name;
        // Never over an entry already there.
        EXPECT_FALSE(CopySymbolicLinkA(source, target)) << name;
        EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS) << name;
    }
    // The layer sees the new links at once.
    EXPECT_EQ(GetFileAttributesA("D:\\to\\folder"), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
    // A plain file is no link to copy, and a missing folder takes nothing.
    EXPECT_FALSE(CopySymbolicLinkA("D:\\from\\file.txt", "D:\\to\\file.txt"));
    EXPECT_FALSE(CopySymbolicLinkA("D:\\from\\relative", "D:\\missing\\relative"));
    EXPECT_FALSE(sandbox.Exists("D:\\to\\file.txt"));
}

// Free space is that of the file system a folder of the path is written to,
// which need not be the drive root's: here a memory file system reached from
// inside the drive.
TEST(FreeSpace, IsMeasuredWhereTheDeepestExistingFolderIs) {
    DriveSandbox sandbox;
    struct stat shm {};
    struct stat root {};
    if (stat("/dev/shm", &shm) != 0 || stat(sandbox.HostRoot('D').c_str(), &root) != 0 ||
        shm.st_dev == root.st_dev || access("/dev/shm", W_OK) != 0)
        GTEST_SKIP() << "no second file system to write to";
    std::string other = "/dev/shm/foldersmith-space-XXXXXX";
    ASSERT_NE(mkdtemp(other.data()), nullptr);
    fs::create_directory_symlink(other, sandbox.Host("D:\\mounted"));
    struct statvfs expected {};
    struct statvfs driveRoot {};
    ASSERT_EQ(statvfs(other.c_str(), &expected), 0);
    ASSERT_EQ(statvfs(sandbox.HostRoot('D').c_str(), &driveRoot), 0);
    const uint64_t expectedTotal = uint64_t(expected.f_blocks) * expected.f_frsize;
    const uint64_t rootTotal = uint64_t(driveRoot.f_blocks) * driveRoot.f_frsize;
    ASSERT_NE(expectedTotal, rootTotal);
    for (const char* path : {"D:\\mounted", "D:\\mounted\\new", "D:\\mounted\\new\\deeper\\still"}) {
        uint64_t available = 0;
        uint64_t total = 0;
        ASSERT_TRUE(GetDiskFreeSpaceExA(path, &available, &total, nullptr)) << path;
        EXPECT_EQ(total, expectedTotal) << path;
    }
    uint64_t total = 0;
    ASSERT_TRUE(GetDiskFreeSpaceExA("D:\\new\\folder", nullptr, &total, nullptr));
    EXPECT_EQ(total, rootTotal);
    fs::remove(sandbox.Host("D:\\mounted"));
    fs::remove_all(other);
}

} // namespace
