// Windows paths to host paths and back: name rules, case, relative forms and
// input that must fail cleanly.

#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using namespace platform;
using testsupport::DriveSandbox;

bool IsFolder(const std::string& path) {
    const uint32_t attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(PathResolution, ExistingNamesAreFoundWhateverTheirCase) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\Projects\\Alpha");
    sandbox.MakeFile("D:\\Projects\\Alpha\\Notes.TXT", "x");
    EXPECT_TRUE(IsFolder("d:\\PROJECTS\\alpha"));
    EXPECT_EQ(ToHostPath("D:\\projects\\ALPHA\\notes.txt"), sandbox.Host("D:\\Projects\\Alpha\\Notes.TXT"));
    // A new component under an existing one keeps the case it was written in.
    EXPECT_EQ(ToHostPath("D:\\PROJECTS\\NewOne"), sandbox.Host("D:\\Projects\\NewOne"));
    EXPECT_TRUE(CreateDirectoryA("d:\\projects\\alpha\\Beta"));
    EXPECT_TRUE(sandbox.Exists("D:\\Projects\\Alpha\\Beta"));
    EXPECT_FALSE(CreateDirectoryA("D:\\PROJECTS\\ALPHA\\BETA"));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
}

TEST(PathResolution, CaseIsIgnoredBeyondAscii) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\Ärger\\éTÉ");
    EXPECT_TRUE(IsFolder("D:\\äRGER\\Été"));
    EXPECT_FALSE(CreateDirectoryA("D:\\ärger"));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
}

TEST(PathResolution, AnExactNameWinsOverOtherCases) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\abc", "lower");
    sandbox.MakeFile("D:\\ABC", "upper");
    EXPECT_EQ(ToHostPath("D:\\ABC"), sandbox.Host("D:\\ABC"));
    EXPECT_EQ(ToHostPath("D:\\abc"), sandbox.Host("D:\\abc"));
    // No exact name: the first in byte order.
    EXPECT_EQ(ToHostPath("D:\\Abc"), sandbox.Host("D:\\ABC"));
}

TEST(PathResolution, SeparatorsDotsAndBlanksFollowWindows) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\a\\b");
    const std::string b = sandbox.Host("D:\\a\\b");
    EXPECT_EQ(ToHostPath("D:/a/b"), b);
    EXPECT_EQ(ToHostPath("D:\\\\a\\\\\\b\\"), b);
    EXPECT_EQ(ToHostPath("D:\\.\\a\\.\\b\\."), b);
    EXPECT_EQ(ToHostPath("D:\\a\\b\\c\\.."), b);
    EXPECT_EQ(ToHostPath("D:\\a. . \\b..."), b);
    EXPECT_EQ(ToHostPath("D:\\a\\   \\b"), b);
    // ".." never leaves the drive.
    EXPECT_EQ(ToHostPath("D:\\..\\..\\a\\b"), b);
    EXPECT_EQ(ToHostPath("D:\\a\\..\\..\\.."), sandbox.HostRoot('D'));
    // Leading blanks belong to the name.
    EXPECT_EQ(ToHostPath("D:\\ a"), sandbox.Host("D:\\ a"));
    EXPECT_TRUE(CreateDirectoryA("D:\\new. . ."));
    EXPECT_TRUE(sandbox.Exists("D:\\new"));
}

TEST(PathResolution, RefusedNamesAndNetworkPathsFail) {
    DriveSandbox sandbox;
    for (const std::string bad : {"D:\\a<b", "D:\\a>b", "D:\\a:b", "D:\\a\"b", "D:\\a|b", "D:\\a?b",
                                  "D:\\a*b", "D:\\a\tb", "D:\\a\x01", "1:\\a", "D:\\x\\a\x1f\\y"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ToHostPath(bad), std::nullopt);
        EXPECT_FALSE(CreateDirectoryA(bad));
        EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME);
    }
    for (const std::string network : {"\\\\server\\share\\a", "//server/share", "\\\\?\\D:\\a"}) {
        SCOPED_TRACE(network);
        EXPECT_EQ(ToHostPath(network), std::nullopt);
        EXPECT_EQ(GetFileAttributesA(network), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(GetLastError(), ERROR_BAD_NETPATH);
    }
}

TEST(PathResolution, PathsWithoutDriveFollowTheCurrentDirectory) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("C:\\work\\sub");
    sandbox.MakeFolder("D:\\other");
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\work"));
    EXPECT_EQ(ToHostPath("sub"), sandbox.Host("C:\\work\\sub"));
    EXPECT_EQ(ToHostPath("..\\x"), sandbox.Host("C:\\x"));
    EXPECT_EQ(ToHostPath("\\other"), sandbox.Host("C:\\other"));
    // "C:" alone and "C:rel" mean the current directory on its own drive,
    // another drive's root otherwise.
    EXPECT_EQ(ToHostPath("c:"), sandbox.Host("C:\\work"));
    EXPECT_EQ(ToHostPath("C:sub"), sandbox.Host("C:\\work\\sub"));
    EXPECT_EQ(ToHostPath("D:other"), sandbox.Host("D:\\other"));
    EXPECT_EQ(ToHostPath("D:"), sandbox.HostRoot('D'));
}

TEST(PathResolution, BadInputFailsWithoutHarm) {
    DriveSandbox sandbox;
    const std::string huge(100000, 'a');
    const std::string manyParts = [] {
        std::string path = "D:";
        for (int i = 0; i < 50000; ++i)
            path += "\\b";
        return path;
    }();
    for (const std::string& bad : {std::string(), huge, "D:\\" + huge, manyParts, std::string("Q:\\a"),
                                   std::string("D:\\\xff\xfe\\\xc3"), std::string("\\\\"), std::string(":"),
                                   std::string(1, '\0'), std::string("D:\\a\0b", 6)}) {
        SCOPED_TRACE(bad.substr(0, 20));
        EXPECT_FALSE(CreateDirectoryA(bad));
        EXPECT_NE(GetLastError(), ERROR_SUCCESS);
        EXPECT_EQ(GetFileAttributesA(bad), INVALID_FILE_ATTRIBUTES);
        EXPECT_FALSE(DeleteFileA(bad));
        EXPECT_FALSE(RemoveDirectoryA(bad));
        EXPECT_FALSE(SetCurrentDirectoryA(bad));
        FindData found;
        EXPECT_EQ(FindFirstFileA(bad + "\\*.*", found), nullptr);
    }
    EXPECT_EQ(GetFileAttributesA("Q:\\a"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    // Invalid UTF-8 is only bytes: such a name is created and found again.
    EXPECT_TRUE(CreateDirectoryA("D:\\\xff\xfe"));
    EXPECT_TRUE(IsFolder("D:\\\xff\xfe"));
}

TEST(PathResolution, MissingFileAndMissingFolderAreTold) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\file.txt");
    EXPECT_EQ(GetFileAttributesA("D:\\nothing"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributesA("D:\\nothing\\deeper"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(CreateDirectoryA("D:\\file.txt\\sub"));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(CreateDirectoryA("D:\\a\\b"));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST(PathResolution, FoldersChangedBehindTheLayerAreSeen) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\dest");
    // The layer reads the folder's names for the first miss...
    EXPECT_EQ(GetFileAttributesA("D:\\dest\\item"), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(CreateDirectoryA("D:\\dest\\first"));
    // ...and sees what others add or remove afterwards.
    sandbox.MakeFolder("D:\\dest\\ITEM");
    EXPECT_TRUE(IsFolder("D:\\dest\\item"));
    EXPECT_FALSE(CreateDirectoryA("D:\\dest\\Item"));
    std::filesystem::remove(sandbox.Host("D:\\dest\\ITEM"));
    EXPECT_EQ(GetFileAttributesA("D:\\dest\\item"), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(CreateDirectoryA("D:\\dest\\Item"));
    EXPECT_TRUE(sandbox.Exists("D:\\dest\\Item"));
    // A file written around the layer right after its own change is there.
    EXPECT_TRUE(RemoveDirectoryA("D:\\dest\\Item"));
    sandbox.MakeFile("D:\\dest\\written.txt");
    EXPECT_EQ(GetFileAttributesA("D:\\dest\\written.txt"), FILE_ATTRIBUTE_ARCHIVE);
    std::filesystem::rename(sandbox.Host("D:\\dest\\first"), sandbox.Host("D:\\dest\\SECOND"));
    EXPECT_TRUE(IsFolder("D:\\dest\\second"));
    EXPECT_FALSE(IsFolder("D:\\dest\\first"));
}

TEST(PathResolution, HostPathsConvertThroughTheLongestMappedFolder) {
    DriveSandbox sandbox("CD");
    MapDrive('e', sandbox.HostRoot('D') + "/inner/");
    EXPECT_EQ(ToWindowsPath(sandbox.HostRoot('D') + "/inner/x/y"), "E:\\x\\y");
    EXPECT_EQ(ToWindowsPath(sandbox.HostRoot('D') + "/inner"), "E:\\");
    EXPECT_EQ(ToWindowsPath(sandbox.HostRoot('D') + "/innerx"), "D:\\innerx");
    EXPECT_EQ(ToWindowsPath(sandbox.HostRoot('D') + "//a/./b/../c/"), "D:\\a\\c");
    EXPECT_EQ(ToWindowsPath("/somewhere/else"), std::nullopt);
    EXPECT_EQ(ToWindowsPath("relative/path"), std::nullopt);
    EXPECT_EQ(ToWindowsPath(""), std::nullopt);
    MapDrive('F', "/");
    EXPECT_EQ(ToWindowsPath("/somewhere/else"), "F:\\somewhere\\else");
    EXPECT_EQ(ToWindowsPath("/"), "F:\\");
}

// The folder an entry was made in is told as realpath() tells it, whether the
// layer watches that folder or not, and after a folder on its way was put
// back as a link to another: what Undo compares must never differ in text
// for one folder, nor agree for two.
TEST(PathResolution, TheResolvedHostFolderIsTheRealOne) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\Top\\Dest");
    sandbox.MakeFolder("D:\\Other\\Dest");
    std::filesystem::create_directory_symlink(sandbox.Host("D:\\Other"), sandbox.Host("D:\\Link"));
    // Entries made one after the other: the folder is watched from the second on.
    EXPECT_EQ(GetFileAttributesA("D:\\Top\\Dest\\a"), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(TryCreateDirectoryInFolder("D:\\Top\\Dest\\a", false));
    ASSERT_TRUE(TryCreateDirectoryInFolder("D:\\Top\\Dest\\b", false));
    const auto real = [&](const std::string& path) {
        return std::filesystem::canonical(sandbox.Host(path)).string();
    };
    struct Case {
        std::string path;
        std::string folder;
    };
    const Case before[] = {
        {"D:\\Top\\Dest\\b", real("D:\\Top\\Dest")},
        {"d:\\TOP\\dest\\new", real("D:\\Top\\Dest")},
        {"D:\\Link\\Dest\\x", real("D:\\Other\\Dest")},
        {"D:\\Top", real("D:\\")},
        {"Q:\\Top\\x", ""},
    };
    for (const Case& c : before)
        EXPECT_EQ(ResolvedHostFolderOf(c.path), c.folder) << c.path;
    // Another program puts a link in the place of a folder on the way.
    std::filesystem::rename(sandbox.Host("D:\\Top"), sandbox.Host("D:\\Was"));
    std::filesystem::create_directory_symlink(sandbox.Host("D:\\Other"), sandbox.Host("D:\\Top"));
    EXPECT_EQ(ResolvedHostFolderOf("D:\\Top\\Dest\\b"), real("D:\\Other\\Dest"));
}

} // namespace
