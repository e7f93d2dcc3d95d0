#include "common/FrameworkFiles.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"
#include "ui/FrameworkError.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

using testsupport::DriveSandbox;

namespace {

std::vector<std::string> ListNames(const std::string& pattern, int mask = faAnyFile) {
    std::vector<std::string> names;
    TSearchRec rec;
    if (FindFirst(pattern, mask, rec) == 0) {
        do
            names.push_back(rec.Name);
        while (FindNext(rec) == 0);
    }
    FindClose(rec);
    return names;
}

} // namespace

TEST(DirectoryAndFileExists, TellFoldersFromFiles) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("C:\\Data\\Sub");
    sandbox.MakeFile("C:\\Data\\notes.txt", "x");

    EXPECT_TRUE(DirectoryExists("C:\\Data"));
    EXPECT_TRUE(DirectoryExists("c:\\DATA\\sub\\"));
    EXPECT_TRUE(DirectoryExists("C:\\"));
    EXPECT_FALSE(DirectoryExists("C:\\Data\\notes.txt"));
    EXPECT_FALSE(DirectoryExists("C:\\Missing"));
    EXPECT_TRUE(FileExists("C:\\Data\\notes.txt"));
    EXPECT_TRUE(FileExists("c:\\data\\NOTES.TXT"));
    EXPECT_FALSE(FileExists("C:\\Data"));
    EXPECT_FALSE(FileExists("C:\\Data\\other.txt"));
}

TEST(DirectoryAndFileExists, BadTextsAreSimplyAbsent) {
    DriveSandbox sandbox;
    for (const std::string& text :
         {std::string(), std::string("Q:\\Data"), std::string("C:\\a|b"), std::string("\\\\server\\share"),
          "C:\\" + std::string(100000, 'a'), std::string("C:\\\xff\xfe\x80"), std::string("\x01\x02")}) {
        EXPECT_FALSE(DirectoryExists(text)) << text.substr(0, 20);
        EXPECT_FALSE(FileExists(text)) << text.substr(0, 20);
    }
}

TEST(ForceDirectories, CreatesEveryMissingLevel) {
    DriveSandbox sandbox;
    EXPECT_TRUE(ForceDirectories("C:\\a\\b\\c\\"));
    EXPECT_TRUE(sandbox.Exists("C:\\a"));
    EXPECT_TRUE(sandbox.Exists("C:\\a\\b"));
    EXPECT_TRUE(sandbox.Exists("C:\\a\\b\\c"));
    // Existing levels are found ignoring case and not created again.
    EXPECT_TRUE(ForceDirectories("C:\\A\\B\\d"));
    EXPECT_TRUE(sandbox.Exists("C:\\a\\b\\d"));
    EXPECT_FALSE(std::filesystem::exists(sandbox.HostRoot('C') + "/A"));
    // Already there: true.
    EXPECT_TRUE(ForceDirectories("C:\\a\\b\\c"));
}

TEST(ForceDirectories, RootsAndShortTextsCreateNothing) {
    DriveSandbox sandbox;
    for (const char* text : {"C:\\", "C:", "C:\\\\", "D:\\", "ab", "\\"})
        EXPECT_TRUE(ForceDirectories(text)) << text;
    EXPECT_TRUE(std::filesystem::is_empty(sandbox.HostRoot('C')));
    EXPECT_TRUE(std::filesystem::is_empty(sandbox.HostRoot('D')));
}

TEST(ForceDirectories, EmptyPathIsAFrameworkError) {
    DriveSandbox sandbox;
    try {
        ForceDirectories("");
        ADD_FAILURE() << "no error";
    } catch (const ui::FrameworkError& error) {
        EXPECT_STREQ(error.what(), "Unable to create directory");
    }
}

TEST(ForceDirectories, DoubledSeparatorsAndSlashesStillCreateEveryLevel) {
    DriveSandbox sandbox;
    EXPECT_TRUE(ForceDirectories("C:\\x\\\\y\\\\\\z\\\\"));
    EXPECT_TRUE(sandbox.Exists("C:\\x\\y\\z"));
    EXPECT_TRUE(ForceDirectories("D:/p/q"));
    EXPECT_TRUE(sandbox.Exists("D:\\p\\q"));
}

TEST(ForceDirectories, RelativeNamesAreCreatedBelowTheCurrentFolder) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\cwd");
    ASSERT_TRUE(platform::SetCurrentDirectoryA("D:\\cwd"));
    // A missing first level is created too: the name fails or succeeds as a
    // whole, like any other, instead of raising an error halfway down.
    EXPECT_TRUE(ForceDirectories("abcd\\e\\f"));
    EXPECT_TRUE(sandbox.Exists("D:\\cwd\\abcd\\e\\f"));
    EXPECT_TRUE(ForceDirectories("\\top\\sub"));
    EXPECT_TRUE(sandbox.Exists("D:\\top\\sub"));
    EXPECT_TRUE(std::filesystem::is_empty(sandbox.HostRoot('C')));
}

TEST(ForceDirectories, FailuresComeBackAsFalse) {
    DriveSandbox sandbox;
    sandbox.MakeFile("C:\\file.txt", "x");
    EXPECT_FALSE(ForceDirectories("C:\\file.txt\\sub"));
    EXPECT_FALSE(ForceDirectories("Q:\\nowhere\\sub"));
    EXPECT_FALSE(ForceDirectories("C:\\bad|name\\sub"));
    EXPECT_FALSE(ForceDirectories("C:\\" + std::string(300, 'n')));
    EXPECT_FALSE(std::filesystem::exists(sandbox.HostRoot('C') + "/bad|name"));
}

TEST(ForceDirectories, VeryLongPathFailsQuicklyWithoutHarm) {
    DriveSandbox sandbox;
    // 50,000 levels below a name too long for any file system: the first
    // creation fails, and finding where to start must not ask for every level.
    std::string deep = "C:\\" + std::string(300, 'n');
    while (deep.size() < 100000)
        deep += "\\d";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ForceDirectories(deep));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(std::filesystem::is_empty(sandbox.HostRoot('C')));
    // Long runs of separators are still one separator each.
    EXPECT_TRUE(ForceDirectories("C:" + std::string(100000, '\\') + "x" + std::string(100000, '/')));
    EXPECT_TRUE(sandbox.Exists("C:\\x"));
}

TEST(ForceDirectories, DotComponentsAreWalkedLevelByLevel) {
    DriveSandbox sandbox;
    // C:\gone\.. is the drive's root although C:\gone is missing; the walk
    // must stop there and create only what the path finally names.
    std::string path = "C:\\gone\\..";
    for (int i = 0; i < 12; ++i)
        path += "\\l" + std::to_string(i);
    EXPECT_TRUE(ForceDirectories(path));
    EXPECT_TRUE(sandbox.Exists("C:\\l0\\l1\\l2\\l3\\l4\\l5\\l6\\l7\\l8\\l9\\l10\\l11"));
    EXPECT_FALSE(sandbox.Exists("C:\\gone"));
}

TEST(ForceDirectories, DeepPathUnderAnExistingFolder) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("C:\\base\\a\\b\\c\\d\\e\\f\\g\\h\\i");
    std::string path = "C:\\base\\a\\b\\c\\d\\e\\f\\g\\h\\i";
    for (int i = 0; i < 20; ++i)
        path += "\\n" + std::to_string(i);
    EXPECT_TRUE(ForceDirectories(path));
    EXPECT_TRUE(sandbox.Exists(path));
}

TEST(ForceDirectories, ALinkToAFolderIsAFolderOnTheWay) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\real\\kept");
    std::filesystem::create_directory_symlink(sandbox.Host("D:\\real"), sandbox.Host("D:\\link"));
    // Asked twice, once the layer knows the folder behind the link: folders
    // are made through it, as Windows makes them through a junction.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::string suffix = std::to_string(attempt);
        EXPECT_TRUE(ForceDirectories("D:\\link\\x" + suffix));
        EXPECT_TRUE(ForceDirectories("D:\\link\\kept\\y" + suffix + "\\z"));
        EXPECT_TRUE(sandbox.Exists("D:\\real\\x" + suffix));
        EXPECT_TRUE(sandbox.Exists("D:\\real\\kept\\y" + suffix + "\\z"));
    }
    EXPECT_TRUE(std::filesystem::is_symlink(sandbox.Host("D:\\link")));
    // A new folder among others, once and again.
    EXPECT_TRUE(ForceDirectories("D:\\real\\x"));
    EXPECT_TRUE(ForceDirectories("D:\\real\\X"));
    EXPECT_TRUE(ForceDirectories("D:\\real\\y\\"));
    EXPECT_TRUE(sandbox.Exists("D:\\real\\x"));
    EXPECT_TRUE(sandbox.Exists("D:\\real\\y"));
    EXPECT_FALSE(sandbox.Exists("D:\\real\\X"));
}

TEST(DeleteFile, DeletesFilesOnly) {
    DriveSandbox sandbox;
    sandbox.MakeFile("C:\\a\\f.txt", "x");
    EXPECT_TRUE(DeleteFile("c:\\A\\F.TXT"));
    EXPECT_FALSE(sandbox.Exists("C:\\a\\f.txt"));
    EXPECT_FALSE(DeleteFile("C:\\a\\f.txt"));
    EXPECT_FALSE(DeleteFile("C:\\a"));
    EXPECT_TRUE(sandbox.Exists("C:\\a"));
    EXPECT_FALSE(DeleteFile(""));
}

TEST(FindFirst, ListsEveryEntryWithAttributesAndSizes) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("C:\\top\\beta");
    sandbox.MakeFile("C:\\top\\Alpha.txt", std::string(1234, 'a'));
    sandbox.MakeFile("C:\\top\\.hidden", "h");

    EXPECT_EQ(ListNames("C:\\top\\*.*"),
              (std::vector<std::string>{".", "..", ".hidden", "Alpha.txt", "beta"}));

    TSearchRec rec;
    ASSERT_EQ(FindFirst("C:\\top\\alpha.*", faAnyFile, rec), 0);
    EXPECT_EQ(rec.Name, "Alpha.txt");
    EXPECT_EQ(rec.Size, 1234);
    EXPECT_EQ(rec.SizeLow, 1234u);
    EXPECT_EQ(rec.SizeHigh, 0u);
    EXPECT_FALSE(rec.Attr & faDirectory);
    EXPECT_NE(FindNext(rec), 0);
    FindClose(rec);

    ASSERT_EQ(FindFirst("C:\\top\\beta", faAnyFile, rec), 0);
    EXPECT_TRUE(rec.Attr & faDirectory);
    FindClose(rec);
}

TEST(FindFirst, MaskLeavesOutFoldersAndHiddenEntries) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("C:\\top\\sub");
    sandbox.MakeFile("C:\\top\\plain.txt");
    sandbox.MakeFile("C:\\top\\.secret");
    EXPECT_EQ(ListNames("C:\\top\\*.*", faArchive | faReadOnly), std::vector<std::string>{"plain.txt"});
    EXPECT_EQ(ListNames("C:\\top\\*.*", faDirectory),
              (std::vector<std::string>{".", "..", "plain.txt", "sub"}));
}

TEST(FindFirst, NothingFoundGivesACodeAndCloseIsHarmless) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("C:\\empty");
    TSearchRec rec;
    EXPECT_NE(FindFirst("C:\\empty\\*.txt", faAnyFile, rec), 0);
    FindClose(rec);
    FindClose(rec);
    EXPECT_NE(FindNext(rec), 0);
    for (const std::string& pattern : {std::string("Q:\\*.*"), std::string("C:\\missing\\*.*"),
                                       std::string(""), "C:\\" + std::string(100000, 'z') + "\\*.*"}) {
        EXPECT_NE(FindFirst(pattern, faAnyFile, rec), 0) << pattern.substr(0, 20);
        FindClose(rec);
    }
}
