#include "common/FileHelpers.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::DriveSandbox;

TEST(GetCurrentFolder, GivesTheWholeCurrentDirectory) {
    DriveSandbox sandbox;
    const std::string deep = "C:\\" + std::string(200, 'a') + "\\" + std::string(200, 'b');
    sandbox.MakeFolder(deep);
    ASSERT_TRUE(platform::SetCurrentDirectoryA(deep));
    std::string folder = "stale";
    // Longer than the old 260-character limit: returned whole, never cut short.
    EXPECT_TRUE(GetCurrentFolder(folder));
    EXPECT_EQ(folder.size(), deep.size());
    EXPECT_TRUE(platform::SetCurrentDirectoryA(folder));
}

TEST(SplitDriveAndRest, CutsAtTheFirstColon) {
    std::string drive = "x";
    std::string rest = "y";
    EXPECT_TRUE(SplitDriveAndRest("C:\\a\\b", drive, rest));
    EXPECT_EQ(drive, "C:");
    EXPECT_EQ(rest, "\\a\\b");
    EXPECT_FALSE(SplitDriveAndRest("a\\b", drive, rest));
    EXPECT_EQ(drive, "");
    EXPECT_EQ(rest, "a\\b");
    EXPECT_TRUE(SplitDriveAndRest("ab:c:d", drive, rest));
    EXPECT_EQ(drive, "ab:");
    EXPECT_EQ(rest, "c:d");
    EXPECT_TRUE(SplitDriveAndRest(":", drive, rest));
    EXPECT_EQ(drive, ":");
    EXPECT_EQ(rest, "");
}

TEST(SplitFolderAndName, CutsAtTheLastBackslash) {
    struct Case {
        const char* path;
        const char* converted;
        const char* parent;
        const char* last;
    } cases[] = {
        {"C:\\a\\b", "C:\\a\\b", "C:\\a\\", "b"},
        {"C:\\a\\b\\", "C:\\a\\b\\", "C:\\a\\b\\", ""},
        {"C:/a/b", "C:\\a\\b", "C:\\a\\", "b"},
        {" C:\\a \\ b ", " C:\\a \\ b ", "C:\\a \\", "b"},
        {"name", "name", "name", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        std::string path = c.path;
        std::string last = "stale";
        EXPECT_EQ(SplitFolderAndName(path, last), c.parent) << c.path;
        EXPECT_EQ(last, c.last) << c.path;
        EXPECT_EQ(path, c.converted) << c.path;
    }
}

TEST(TrimBlanks, OnlyBlanks) {
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("\ta "), "\ta");
    EXPECT_EQ(TrimBlanks("a\r\n"), "a\r\n");
    EXPECT_EQ(TrimBlanks("    "), "");
    EXPECT_EQ(TrimBlanks(""), "");
}

TEST(LowerCaseCopy, FoldsBeyondAscii) {
    EXPECT_EQ(LowerCaseCopy("C:\\\xc3\x9c"
                            "BER"),
              "c:\\\xc3\xbc"
              "ber");
}

TEST(NumberTexts, AllDigitsWithoutExponent) {
    EXPECT_EQ(DoubleToText(2000000), "2000000");
    EXPECT_EQ(DoubleToText(0), "0");
    EXPECT_EQ(DoubleToText(-0.0), "0");
    EXPECT_EQ(DoubleToText(-45), "-45");
    EXPECT_EQ(DoubleToText(1e20), "100000000000000000000");
    EXPECT_EQ(DoubleToText(4294967296.0), "4294967296");
    EXPECT_EQ(LongToText(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(LongToText(120), "120");
}

TEST(NumberTexts, ZeroPadNumber) {
    struct Case {
        double value;
        int width;
        const char* expected;
    } cases[] = {
        {7, 3, "007"},     {1234, 3, "1234"}, {120, 3, "120"},
        {1, 7, "0000001"}, {0, 2, "00"},      {-7, 3, "-07"},
        {5, 0, "5"},       {5, -4, "5"},      {2147483647, 12, "002147483647"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZeroPadNumber(c.value, c.width), c.expected) << c.value << " " << c.width;
}

TEST(DriveTypeName, PresentDrivesIgnoringCase) {
    DriveSandbox sandbox;
    std::string name = "stale";
    EXPECT_TRUE(DriveTypeName("C:\\x", name));
    EXPECT_EQ(name, "Fixed drive");
    name.clear();
    EXPECT_TRUE(DriveTypeName("d:", name));
    EXPECT_EQ(name, "Fixed drive");
    name = "stale";
    EXPECT_FALSE(DriveTypeName("Q:\\x", name));
    EXPECT_EQ(name, "");
    for (const std::string& text : {std::string(), std::string("\xc3\x84:\\"),
                                    std::string("\\\\server\\share"), std::string(100000, 'c')}) {
        name = "stale";
        bool present = DriveTypeName(text, name);
        EXPECT_EQ(present, !text.empty() && text[0] == 'c') << text.substr(0, 10);
        EXPECT_EQ(name, present ? "Fixed drive" : "");
    }
}

TEST(DriveTypeName, EveryMappedDriveCountsHoweverMany) {
    DriveSandbox sandbox("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    std::string name;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        name.clear();
        EXPECT_TRUE(DriveTypeName(std::string(1, letter) + ":\\", name)) << letter;
        EXPECT_EQ(name, "Fixed drive");
    }
}

TEST(EmptyFolderContents, DeletesEverythingInsideAndKeepsTheFolder) {
    DriveSandbox sandbox;
    sandbox.MakeFile("C:\\work\\a.txt", "a");
    sandbox.MakeFile("C:\\work\\sub\\deep\\b.txt", "b");
    sandbox.MakeFile("C:\\work\\.hidden", "h");
    sandbox.MakeFile("C:\\keep.txt", "k");
    EXPECT_TRUE(EmptyFolderContents("c:\\WORK"));
    EXPECT_TRUE(sandbox.Exists("C:\\work"));
    EXPECT_TRUE(std::filesystem::is_empty(sandbox.Host("C:\\work")));
    EXPECT_TRUE(sandbox.Exists("C:\\keep.txt"));
}

TEST(EmptyFolderContents, NeverEmptiesADrive) {
    DriveSandbox sandbox;
    sandbox.MakeFile("C:\\a\\f.txt", "f");
    sandbox.MakeFile("D:\\g.txt", "g");
    for (const char* text : {"", "C:", "C:\\", "c:\\\\", "C:/", "C:\\.", "C:\\a\\..", "C:\\a\\..\\", "C:\\ ",
                             "D:\\.\\", "a", "\\a", "\\\\server\\share\\a", "Q:\\a"}) {
        EXPECT_FALSE(EmptyFolderContents(text)) << text;
    }
    EXPECT_TRUE(sandbox.Exists("C:\\a\\f.txt"));
    EXPECT_TRUE(sandbox.Exists("D:\\g.txt"));
}

TEST(EmptyFolderContents, RefusesAFolderThatHoldsAnotherDrive) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("C:\\outer\\inner");
    sandbox.MakeFile("C:\\outer\\inner\\x.txt", "x");
    platform::MapDrive('E', sandbox.Host("C:\\outer\\inner"));
    EXPECT_FALSE(EmptyFolderContents("C:\\outer"));
    EXPECT_FALSE(EmptyFolderContents("C:\\outer\\inner"));
    EXPECT_TRUE(sandbox.Exists("C:\\outer\\inner\\x.txt"));
    platform::UnmapDrive('E');
}

TEST(EmptyFolderContents, NoLinkLeadsToADriveRoot) {
    DriveSandbox sandbox;
    sandbox.MakeFile("C:\\outer\\inner\\x.txt", "x");
    sandbox.MakeFile("C:\\plain\\p.txt", "p");
    sandbox.MakeFile("D:\\y.txt", "y");
    platform::MapDrive('E', sandbox.Host("C:\\outer\\inner"));
    // C:\self leads back to C:'s own root, C:\up to the folder above the
    // roots of C: and D:.
    const std::filesystem::path root = sandbox.HostRoot('C');
    std::filesystem::create_directory_symlink(root, root / "self");
    std::filesystem::create_directory_symlink(root.parent_path(), root / "up");
    const std::string driveD = std::filesystem::path(sandbox.HostRoot('D')).filename().string();

    EXPECT_FALSE(EmptyFolderContents("C:\\self\\outer"));   // holds E:'s root
    EXPECT_FALSE(EmptyFolderContents("C:\\up\\" + driveD)); // is D:'s root
    EXPECT_FALSE(EmptyFolderContents("C:\\self"));
    EXPECT_TRUE(sandbox.Exists("C:\\outer\\inner\\x.txt"));
    EXPECT_TRUE(sandbox.Exists("D:\\y.txt"));
    // A folder that holds no drive's root may still be reached through a link.
    EXPECT_TRUE(EmptyFolderContents("C:\\self\\plain"));
    EXPECT_FALSE(sandbox.Exists("C:\\plain\\p.txt"));
    EXPECT_TRUE(sandbox.Exists("C:\\plain"));
}

TEST(EmptyFolderContents, MissingFolderOrLongTextFails) {
    DriveSandbox sandbox;
    EXPECT_FALSE(EmptyFolderContents("C:\\missing"));
    EXPECT_FALSE(EmptyFolderContents("C:\\" + std::string(100000, 'x')));
}

TEST(HasAtMostSubfolders, CountsFoldersNotFiles) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("C:\\p\\one");
    sandbox.MakeFolder("C:\\p\\two");
    sandbox.MakeFolder("C:\\p\\three");
    sandbox.MakeFile("C:\\p\\file1.txt");
    sandbox.MakeFile("C:\\p\\file2.txt");
    sandbox.MakeFolder("C:\\empty");
    sandbox.MakeFolder("C:\\here");
    ASSERT_TRUE(platform::SetCurrentDirectoryA("C:\\here"));
    const std::string before = platform::GetCurrentDirectoryA();

    EXPECT_FALSE(HasAtMostSubfolders(2, "C:\\p"));
    EXPECT_TRUE(HasAtMostSubfolders(3, "C:\\p"));
    EXPECT_FALSE(HasAtMostSubfolders(0, "C:\\p"));
    EXPECT_TRUE(HasAtMostSubfolders(0, "C:\\empty"));
    EXPECT_TRUE(HasAtMostSubfolders(0, "C:\\missing"));
    EXPECT_TRUE(HasAtMostSubfolders(0, "Q:\\x"));
    EXPECT_TRUE(HasAtMostSubfolders(0, ""));
    EXPECT_EQ(platform::GetCurrentDirectoryA(), before);
}
