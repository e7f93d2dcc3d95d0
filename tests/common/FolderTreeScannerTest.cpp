#include "common/FolderTreeScanner.h"

#include "common/SettingLists.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using testsupport::DriveSandbox;

// D:\Root holds a.txt (5 bytes) and b.dat (10), A\c.txt (3), the empty A\B,
// and C with d.TXT (7) and e.log (1): 3 subfolders, 5 files, 26 bytes.
class FolderTreeScannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox.MakeFile("D:\\Root\\a.txt", "12345");
        sandbox.MakeFile("D:\\Root\\b.dat", "0123456789");
        sandbox.MakeFile("D:\\Root\\A\\c.txt", "abc");
        sandbox.MakeFolder("D:\\Root\\A\\B");
        sandbox.MakeFile("D:\\Root\\C\\d.TXT", "1234567");
        sandbox.MakeFile("D:\\Root\\C\\e.log", "x");
        savedPatterns = GetFileNamePatternList();
    }
    void TearDown() override { SetFileNamePatternList(savedPatterns); }

    DriveSandbox sandbox;
    std::deque<std::string> savedPatterns;
};

TEST_F(FolderTreeScannerTest, RunTotalsTheWholeTree) {
    FolderTreeScanner scanner("D:\\Root");
    scanner.Run();
    EXPECT_EQ(scanner.GetFolderCount(), 3u);
    EXPECT_EQ(scanner.GetFileCount(), 5u);
    EXPECT_EQ(scanner.GetTotalBytes(), 26u);
    // Depths are absolute: D:\Root has one backslash.
    EXPECT_EQ(scanner.GetLevelCountMap(), (LevelCountMap{{1, 1}, {2, 2}, {3, 1}}));
    EXPECT_EQ(scanner.GetFileSizeMap(), (FileSizeMap{{"D:\\Root\\a.txt", 5},
                                                     {"D:\\Root\\b.dat", 10},
                                                     {"D:\\Root\\A\\c.txt", 3},
                                                     {"D:\\Root\\C\\d.TXT", 7},
                                                     {"D:\\Root\\C\\e.log", 1}}));
    EXPECT_EQ(scanner.GetRootFolder(), "D:\\Root");
    EXPECT_EQ(scanner.GetMatchedFileCount(), 0u);
    EXPECT_TRUE(scanner.GetMatchedFileSizeMap().empty());
}

TEST_F(FolderTreeScannerTest, CountRootFolderKeepsTheRootInTheCount) {
    FolderTreeScanner scanner("D:\\Root");
    scanner.SetCountRootFolder(true);
    scanner.Run();
    EXPECT_EQ(scanner.GetFolderCount(), 4u);
}

TEST_F(FolderTreeScannerTest, EmptyRootFolderCountsOnlyItsLevel) {
    sandbox.MakeFolder("D:\\Empty");
    FolderTreeScanner scanner("D:\\Empty");
    scanner.Run();
    EXPECT_EQ(scanner.GetFolderCount(), 0u);
    EXPECT_EQ(scanner.GetFileCount(), 0u);
    EXPECT_EQ(scanner.GetTotalBytes(), 0u);
    EXPECT_EQ(scanner.GetLevelCountMap(), (LevelCountMap{{1, 1}}));
}

TEST_F(FolderTreeScannerTest, MissingRootAndEmptyRootFindNothing) {
    FolderTreeScanner missing("D:\\NoSuchFolder");
    missing.Run();
    EXPECT_EQ(missing.GetFolderCount(), 0u);
    EXPECT_EQ(missing.GetFileCount(), 0u);
    // A folder that cannot be listed is still counted at its depth.
    EXPECT_EQ(missing.GetLevelCountMap(), (LevelCountMap{{1, 1}}));

    FolderTreeScanner empty("");
    empty.Run();
    EXPECT_EQ(empty.GetFolderCount(), 0u);
    EXPECT_TRUE(empty.GetLevelCountMap().empty());
}

TEST_F(FolderTreeScannerTest, CurrentDirectoryIsGivenBackAndChangesNoTotals) {
    ASSERT_TRUE(platform::SetCurrentDirectoryA("D:\\Root\\A"));
    const std::string inside = platform::GetCurrentDirectoryA();
    FolderTreeScanner fromInside("D:\\Root");
    fromInside.Run();
    EXPECT_EQ(platform::GetCurrentDirectoryA(), inside);

    ASSERT_TRUE(platform::SetCurrentDirectoryA("C:\\"));
    const std::string outside = platform::GetCurrentDirectoryA();
    FolderTreeScanner fromOutside("D:\\Root");
    fromOutside.Run();
    EXPECT_EQ(platform::GetCurrentDirectoryA(), outside);

    EXPECT_EQ(fromInside.GetFolderCount(), fromOutside.GetFolderCount());
    EXPECT_EQ(fromInside.GetFileCount(), fromOutside.GetFileCount());
    EXPECT_EQ(fromInside.GetTotalBytes(), fromOutside.GetTotalBytes());
    EXPECT_EQ(fromInside.GetLevelCountMap(), fromOutside.GetLevelCountMap());
    EXPECT_EQ(fromInside.GetFileSizeMap(), fromOutside.GetFileSizeMap());
}

TEST_F(FolderTreeScannerTest, PatternRunCountsFoldersOnceAndFilesOncePerPattern) {
    SetFileNamePatternList({"*.*", "*.txt"});
    FolderTreeScanner scanner("D:\\Root");
    scanner.RunWithPatterns();
    EXPECT_EQ(scanner.GetFolderCount(), 3u);
    EXPECT_EQ(scanner.GetLevelCountMap(), (LevelCountMap{{1, 1}, {2, 2}, {3, 1}}));
    // *.* takes all five files (26 bytes); *.txt, ignoring case, a.txt, c.txt
    // and d.TXT again (15 bytes).
    EXPECT_EQ(scanner.GetMatchedFileCount(), 8u);
    EXPECT_EQ(scanner.GetMatchedBytes(), 41u);
    EXPECT_EQ(scanner.GetMatchedFileSizeMap().size(), 5u);
    EXPECT_EQ(scanner.GetMatchedFileSizeMap().at("D:\\Root\\C\\d.TXT"), 7u);
    // The all-files totals belong to Run alone.
    EXPECT_EQ(scanner.GetFileCount(), 0u);
    EXPECT_TRUE(scanner.GetFileSizeMap().empty());
}

TEST_F(FolderTreeScannerTest, PatternRunMatchesFilesOnly) {
    // A folder whose name matches is no matched file.
    sandbox.MakeFolder("D:\\Root\\folder.txt");
    SetFileNamePatternList({"*.txt"});
    FolderTreeScanner scanner("D:\\Root");
    scanner.SetCountRootFolder(true);
    scanner.RunWithPatterns();
    EXPECT_EQ(scanner.GetFolderCount(), 5u);
    EXPECT_EQ(scanner.GetMatchedFileCount(), 3u);
    EXPECT_EQ(scanner.GetMatchedBytes(), 15u);
    EXPECT_EQ(scanner.GetMatchedFileSizeMap().count("D:\\Root\\folder.txt"), 0u);
}

TEST_F(FolderTreeScannerTest, PatternRunWithoutPatternsScansNothing) {
    SetFileNamePatternList({});
    FolderTreeScanner scanner("D:\\Root");
    scanner.RunWithPatterns();
    EXPECT_EQ(scanner.GetFolderCount(), 0u);
    EXPECT_TRUE(scanner.GetLevelCountMap().empty());

    FolderTreeScanner counted("D:\\Root");
    counted.SetCountRootFolder(true);
    counted.RunWithPatterns();
    EXPECT_EQ(counted.GetFolderCount(), 1u);
}

TEST_F(FolderTreeScannerTest, RootPatternRunLooksAtTheRootOnly) {
    SetFileNamePatternList({"*.txt", "*.dat"});
    FolderTreeScanner scanner("D:\\Root");
    scanner.RunRootWithPatterns();
    EXPECT_EQ(scanner.GetMatchedFileCount(), 2u);
    EXPECT_EQ(scanner.GetMatchedBytes(), 15u);
    EXPECT_EQ(scanner.GetFolderCount(), 0u);
    EXPECT_TRUE(scanner.GetLevelCountMap().empty());
    EXPECT_EQ(scanner.GetMatchedFileSizeMap(),
              (FileSizeMap{{"D:\\Root\\a.txt", 5}, {"D:\\Root\\b.dat", 10}}));

    FolderTreeScanner counted("D:\\Root");
    counted.SetCountRootFolder(true);
    counted.RunRootWithPatterns();
    EXPECT_EQ(counted.GetFolderCount(), 1u);
}

TEST_F(FolderTreeScannerTest, EmptyRootNeverScansTheCurrentDrive) {
    SetFileNamePatternList({"*.*"});
    ASSERT_TRUE(platform::SetCurrentDirectoryA("D:\\Root"));
    FolderTreeScanner scanner("");
    scanner.RunWithPatterns();
    EXPECT_EQ(scanner.GetMatchedFileCount(), 0u);
    EXPECT_EQ(scanner.GetFolderCount(), 0u);
    FolderTreeScanner rootOnly("");
    rootOnly.RunRootWithPatterns();
    EXPECT_EQ(rootOnly.GetMatchedFileCount(), 0u);
}

TEST_F(FolderTreeScannerTest, PathsLongerThanTheOldLimitAreScanned) {
    std::string folder = "D:\\Deep";
    for (int i = 0; i < 6; ++i)
        folder += "\\" + std::string(60, static_cast<char>('a' + i));
    sandbox.MakeFile(folder + "\\leaf.bin", "12");
    ASSERT_GT(folder.size(), 300u);

    FolderTreeScanner scanner("D:\\Deep");
    scanner.Run();
    EXPECT_EQ(scanner.GetFolderCount(), 6u);
    EXPECT_EQ(scanner.GetFileCount(), 1u);
    EXPECT_EQ(scanner.GetFileSizeMap().at(folder + "\\leaf.bin"), 2u);
    EXPECT_EQ(scanner.GetLevelCountMap().size(), 7u);
}

TEST_F(FolderTreeScannerTest, SymbolicLinksAreNotDescendedInto) {
    // A link back to the root would never end if it were followed.
    std::filesystem::create_directory_symlink(sandbox.Host("D:\\Root"), sandbox.Host("D:\\Root\\A\\loop"));
    FolderTreeScanner scanner("D:\\Root");
    scanner.Run();
    EXPECT_EQ(scanner.GetFolderCount(), 3u);
    for (const auto& [path, size] : scanner.GetFileSizeMap())
        EXPECT_EQ(path.find("\\loop\\"), std::string::npos) << path;
    // The link itself is an entry like a file.
    EXPECT_EQ(scanner.GetFileCount(), 6u);
    EXPECT_EQ(scanner.GetFileSizeMap().count("D:\\Root\\A\\loop"), 1u);
    EXPECT_EQ(scanner.GetLevelCountMap(), (LevelCountMap{{1, 1}, {2, 2}, {3, 1}}));
}

TEST_F(FolderTreeScannerTest, SubfolderThatCannotBeEnteredCountsAsAFile) {
    sandbox.MakeFile("D:\\Root\\Locked\\inner.txt", "123");
    namespace fs = std::filesystem;
    fs::permissions(sandbox.Host("D:\\Root\\Locked"), fs::perms::none);
    const auto scanAndCheck = [] {
        FolderTreeScanner scanner("D:\\Root");
        scanner.Run();
        // Counted with the size the listing gives for it, not descended into.
        const FileSizeMap sizes = scanner.GetFileSizeMap();
        return scanner.GetFolderCount() == 3u && scanner.GetFileCount() == 6u &&
               sizes.count("D:\\Root\\Locked") == 1 && sizes.count("D:\\Root\\Locked\\inner.txt") == 0;
    };
    if (geteuid() != 0) {
        EXPECT_TRUE(scanAndCheck());
        return;
    }
    // Permissions do not bind the super-user: scan as nobody in a child
    // process, through folders nobody may pass.
    fs::permissions(fs::path(sandbox.HostRoot('D')).parent_path(),
                    fs::perms::owner_all | fs::perms::others_exec);
    EXPECT_EXIT(
        {
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(2);
            _exit(scanAndCheck() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(FolderTreeScannerTest, FileSizesKeepAllSixtyFourBits) {
    const uint64_t fiveGigabytes = 5ull << 30;
    sandbox.MakeFile("D:\\Big\\huge.img");
    std::filesystem::resize_file(sandbox.Host("D:\\Big\\huge.img"), fiveGigabytes); // sparse
    FolderTreeScanner scanner("D:\\Big");
    scanner.Run();
    EXPECT_EQ(scanner.GetTotalBytes(), fiveGigabytes);
    EXPECT_EQ(scanner.GetFileSizeMap().at("D:\\Big\\huge.img"), fiveGigabytes);
    EXPECT_EQ(BigNumberToText(scanner.GetTotalBytes()), "5368709120");
}

} // namespace
