// Listings: NTFS order, Windows wildcards, attributes and sizes.

#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"
#include "support/PermissionsAsAUser.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace platform;
using testsupport::DriveSandbox;

std::vector<std::string> List(const std::string& pattern) {
    std::vector<std::string> names;
    FindData found;
    FindHandle handle = FindFirstFileA(pattern, found);
    if (!handle)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(handle, found));
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    EXPECT_TRUE(FindClose(handle));
    return names;
}

FindData Entry(const std::string& folder, const std::string& name) {
    FindData found;
    FindHandle handle = FindFirstFileA(folder + "\\" + name, found);
    EXPECT_NE(handle, nullptr) << name;
    FindClose(handle);
    return found;
}

using Names = std::vector<std::string>;

TEST(Listing, ComesInNtfsOrderWithDotsExceptAtARoot) {
    DriveSandbox sandbox;
    for (const char* name : {"b.txt", "A.txt", "a_b", "aab", "Zeta", "_under", "10", "9", "Émile", "eve"})
        sandbox.MakeFile(std::string("D:\\dir\\") + name);
    sandbox.MakeFolder("D:\\dir\\Cfolder");
    // Upper-case order, as NTFS keeps it: "_" sorts after the letters.
    EXPECT_EQ(List("D:\\dir\\*.*"), (Names{".", "..", "10", "9", "A.txt", "aab", "a_b", "b.txt", "Cfolder",
                                           "eve", "Zeta", "_under", "Émile"}));
    EXPECT_EQ(List("D:\\*.*"), (Names{"dir"}));
    EXPECT_EQ(List("D:\\*"), (Names{"dir"}));
}

TEST(Listing, EqualNamesIgnoringCaseComeInByteOrder) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\abc");
    sandbox.MakeFile("D:\\ABC");
    sandbox.MakeFile("D:\\Abc");
    EXPECT_EQ(List("D:\\*"), (Names{"ABC", "Abc", "abc"}));
}

TEST(Listing, WildcardsFollowWindows) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"readme", "*.*", true},
        {".hidden", "*.*", true},
        {"a.b.c", "*.*", true},
        {"NOTES.TXT", "*.txt", true},
        {"notes.txt.bak", "*.txt", false},
        {"a.txt", "?.TXT", true},
        {"ab.txt", "?.txt", false},
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"a", "a??", true},
        {"a.b", "a?.b", true},
        {"abc", "a*.*", true},
        {"abc", "*.", true},
        {"a.b", "*.", false},
        {"ÉTÉ.doc", "été.*", true},
        {"abc", "ABC", true},
        {"abcd", "abc", false},
        {"x.tar.gz", "*.gz", true},
        {"x.tar.gz", "*.tar", false},
        {"anything", "*", true},
        {"a.b", "a?b", false},
        {"file1.log", "file?.log", true},
        {"file.log", "file?.log", true},
        {"", "*", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesWildcard(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

TEST(Listing, PatternsSelectEntriesAndNothingFoundFails) {
    DriveSandbox sandbox;
    for (const char* name : {"one.txt", "TWO.TXT", "three.log", "four"})
        sandbox.MakeFile(std::string("D:\\d\\") + name);
    EXPECT_EQ(List("D:\\D\\*.txt"), (Names{"one.txt", "TWO.TXT"}));
    EXPECT_EQ(List("D:\\d\\FOUR"), (Names{"four"}));
    EXPECT_EQ(List("D:\\d\\four. "), (Names{"four"}));
    FindData found;
    EXPECT_EQ(FindFirstFileA("D:\\d\\*.doc", found), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(FindFirstFileA("D:\\missing\\*.*", found), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(FindFirstFileA("D:\\d\\one.txt\\*.*", found), nullptr);
    EXPECT_EQ(FindFirstFileA("D:\\d\\", found), nullptr);
    EXPECT_EQ(FindFirstFileA("D:\\d\\a<b", found), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME);
    EXPECT_FALSE(FindNextFileA(nullptr, found));
    EXPECT_FALSE(FindClose(nullptr));
}

TEST(Listing, RelativePatternsUseTheCurrentDirectory) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\here\\x.txt");
    ASSERT_TRUE(SetCurrentDirectoryA("D:\\here"));
    EXPECT_EQ(List("*.txt"), (Names{"x.txt"}));
    EXPECT_EQ(List("..\\here\\*.txt"), (Names{"x.txt"}));
}

TEST(Listing, AttributesAndSizesAreReported) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\d\\sub");
    sandbox.MakeFolder("D:\\d\\.git");
    sandbox.MakeFile("D:\\d\\plain.txt", "12345");
    sandbox.MakeFile("D:\\d\\.profile", "x");
    EXPECT_EQ(Entry("D:\\d", "sub").dwFileAttributes, FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(Entry("D:\\d", ".git").dwFileAttributes, FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(Entry("D:\\d", ".profile").dwFileAttributes, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
    const FindData plain = Entry("D:\\d", "plain.txt");
    EXPECT_EQ(plain.dwFileAttributes, FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ(plain.fileSize, 5u);
    EXPECT_EQ(plain.nFileSizeLow, 5u);
    EXPECT_EQ(plain.nFileSizeHigh, 0u);
    EXPECT_EQ(GetFileAttributesA("D:\\D\\PLAIN.TXT"), FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ(GetFileAttributesA("D:\\d\\.GIT"), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(GetFileAttributesA("D:\\"), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesA("D:"), FILE_ATTRIBUTE_DIRECTORY);
}

TEST(Listing, SizesAboveFourGigabytesUseBothHalves) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\big.bin");
    const uint64_t size = (uint64_t{5} << 32) + 7; // sparse: takes no room
    ASSERT_EQ(truncate(sandbox.Host("D:\\big.bin").c_str(), static_cast<off_t>(size)), 0);
    const FindData big = Entry("D:", "big.bin");
    EXPECT_EQ(big.fileSize, size);
    EXPECT_EQ(big.nFileSizeHigh, 5u);
    EXPECT_EQ(big.nFileSizeLow, 7u);
}

TEST(Listing, ReadOnlyMeansNotWritable) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\locked.txt", "x");
    std::filesystem::permissions(sandbox.Host("D:\\locked.txt"), std::filesystem::perms::owner_read);
    // As an ordinary user, who may not write what is not theirs to write.
    testsupport::PermissionsAsAUser asUser;
    ASSERT_TRUE(asUser.Active()) << "file permissions cannot be made to hold for this process";
    EXPECT_EQ(GetFileAttributesA("D:\\locked.txt"), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(DeleteFileA("D:\\locked.txt"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(sandbox.Exists("D:\\locked.txt"));
}

} // namespace
