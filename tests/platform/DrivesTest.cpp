// The drive table, drive strings and types, free space and the current
// directory.

#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"
#include "support/PermissionsAsAUser.h"

#include <gtest/gtest.h>

#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

using namespace platform;
using testsupport::DriveSandbox;

TEST(Drives, StringsListEveryMappedDrive) {
    DriveSandbox sandbox("dC");
    EXPECT_EQ(GetLogicalDriveStringsA(), std::string("C:\\\0D:\\\0\0", 9));
    MapDrive('z', sandbox.HostRoot('C'));
    UnmapDrive('c');
    EXPECT_EQ(GetLogicalDriveStringsA(), std::string("D:\\\0Z:\\\0\0", 9));
    SetDriveTable({});
    EXPECT_EQ(GetLogicalDriveStringsA(), std::string(1, '\0'));
    EXPECT_FALSE(CreateDirectoryA("C:\\x"));
}

TEST(Drives, TypesTellMappedDrivesFromMissingOnes) {
    DriveSandbox sandbox("CD");
    EXPECT_EQ(GetDriveTypeA("C:\\"), DRIVE_FIXED);
    EXPECT_EQ(GetDriveTypeA("d:\\"), DRIVE_FIXED);
    EXPECT_EQ(GetDriveTypeA("D:"), DRIVE_FIXED);
    EXPECT_EQ(GetDriveTypeA("D:/"), DRIVE_FIXED);
    EXPECT_EQ(GetDriveTypeA("E:\\"), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(GetDriveTypeA("D:\\folder"), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(GetDriveTypeA(""), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(GetDriveTypeA("1:\\"), DRIVE_NO_ROOT_DIR);
}

TEST(Drives, LettersAreCaseInsensitiveAndTheSandboxRestoresTheTable) {
    const DriveTable before = GetDriveTable();
    const std::string current = GetCurrentDirectoryA();
    {
        DriveSandbox sandbox("D");
        MapDrive('x', sandbox.HostRoot('D'));
        EXPECT_EQ(GetDriveTable().count('X'), 1u);
        EXPECT_EQ(ToHostPath("x:\\"), sandbox.HostRoot('D'));
        MapDrive('1', "/"); // not a letter: ignored
        EXPECT_EQ(GetDriveTable().size(), 2u);
    }
    EXPECT_EQ(GetDriveTable(), before);
    EXPECT_EQ(GetCurrentDirectoryA(), current);
}

TEST(Drives, TheStartTableMapsCToTheHostRoot) {
    // The process started with C: -> "/", and the current directory in its
    // drive form.
    const DriveTable table = GetDriveTable();
    ASSERT_EQ(table.count('C'), 1u);
    EXPECT_EQ(table.at('C'), "/");
    EXPECT_EQ(ToWindowsPath(std::filesystem::current_path().string()), GetCurrentDirectoryA());
}

TEST(FreeSpace, ComesFromTheHostFileSystem) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\sub");
    struct statvfs fs;
    ASSERT_EQ(statvfs(sandbox.HostRoot('D').c_str(), &fs), 0);
    const uint64_t expected = static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize;
    uint64_t available = 0, total = 0, free = 0;
    ASSERT_TRUE(GetDiskFreeSpaceExA("D:\\", &available, &total, &free));
    // Other processes write meanwhile; a few megabytes of slack.
    EXPECT_NEAR(static_cast<double>(available), static_cast<double>(expected), 64.0 * 1024 * 1024);
    EXPECT_GE(total, available);
    EXPECT_GE(free, available);
    EXPECT_TRUE(GetDiskFreeSpaceExA("d:\\SUB", &available, nullptr, nullptr));
    EXPECT_GT(available, 0u);
}

TEST(FreeSpace, AnOverrideStandsForTheDrive) {
    DriveSandbox sandbox;
    SetFreeSpaceOverride('d', 12345);
    uint64_t available = 0, total = 0, free = 0;
    ASSERT_TRUE(GetDiskFreeSpaceExA("D:\\", &available, &total, &free));
    EXPECT_EQ(available, 12345u);
    EXPECT_EQ(free, 12345u);
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, nullptr, nullptr));
    EXPECT_NE(available, 12345u);
    SetFreeSpaceOverride('D', std::nullopt);
    ASSERT_TRUE(GetDiskFreeSpaceExA("D:\\", &available, nullptr, nullptr));
    EXPECT_NE(available, 12345u);
}

TEST(FreeSpace, ADriveThatCannotBeReadHasNone) {
    DriveSandbox sandbox;
    uint64_t available = 99, total = 99, free = 99;
    EXPECT_FALSE(GetDiskFreeSpaceExA("Q:\\", &available, &total, &free));
    EXPECT_EQ(available, 0u);
    EXPECT_EQ(total, 0u);
    EXPECT_EQ(free, 0u);
    MapDrive('E', sandbox.HostRoot('D') + "/not-there");
    available = 99;
    EXPECT_FALSE(GetDiskFreeSpaceExA("E:\\", &available, nullptr, nullptr));
    EXPECT_EQ(available, 0u);
    EXPECT_FALSE(GetDiskFreeSpaceExA("", &available, nullptr, nullptr));
    EXPECT_EQ(available, 0u);
}

TEST(CurrentDirectory, IsKeptByTheLayerAlone) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\Work\\Deeper");
    sandbox.MakeFile("D:\\file.txt");
    const std::filesystem::path processDirectory = std::filesystem::current_path();
    EXPECT_EQ(GetCurrentDirectoryA(), "C:\\");
    EXPECT_TRUE(SetCurrentDirectoryA("d:\\WORK"));
    EXPECT_EQ(GetCurrentDirectoryA(), "D:\\Work");
    EXPECT_TRUE(SetCurrentDirectoryA("deeper"));
    EXPECT_EQ(GetCurrentDirectoryA(), "D:\\Work\\Deeper");
    EXPECT_TRUE(SetCurrentDirectoryA(".."));
    EXPECT_EQ(GetCurrentDirectoryA(), "D:\\Work");
    EXPECT_TRUE(SetCurrentDirectoryA("\\"));
    EXPECT_EQ(GetCurrentDirectoryA(), "D:\\");
    EXPECT_EQ(std::filesystem::current_path(), processDirectory);
}

TEST(CurrentDirectory, OnlyFoldersThatCanBeEnteredAreAccepted) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\Work");
    sandbox.MakeFile("D:\\file.txt");
    ASSERT_TRUE(SetCurrentDirectoryA("D:\\Work"));
    EXPECT_FALSE(SetCurrentDirectoryA("D:\\file.txt"));
    EXPECT_EQ(GetLastError(), ERROR_DIRECTORY);
    EXPECT_FALSE(SetCurrentDirectoryA("D:\\missing"));
    EXPECT_FALSE(SetCurrentDirectoryA("Q:\\"));
    EXPECT_FALSE(SetCurrentDirectoryA(""));
    EXPECT_EQ(GetCurrentDirectoryA(), "D:\\Work");
    // As an ordinary user, a folder that can be listed but not entered.
    sandbox.MakeFolder("D:\\closed");
    std::filesystem::permissions(sandbox.Host("D:\\closed"), std::filesystem::perms::owner_read);
    testsupport::PermissionsAsAUser asUser;
    ASSERT_TRUE(asUser.Active()) << "file permissions cannot be made to hold for this process";
    EXPECT_FALSE(SetCurrentDirectoryA("D:\\closed"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(GetCurrentDirectoryA(), "D:\\Work");
}

} // namespace
