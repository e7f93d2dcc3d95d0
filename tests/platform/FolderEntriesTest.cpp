// A walk's listing of a folder (names and kinds only), kept between calls
// while the folder does not change.

#include "platform/EntryDetails.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace platform;
using testsupport::DriveSandbox;
namespace fs = std::filesystem;

using Entries = std::vector<std::pair<std::string, bool>>;

Entries Walked(const std::string& folder) {
    std::vector<FolderEntry> entries;
    EXPECT_TRUE(ListFolderEntries(folder, entries)) << folder;
    Entries result;
    for (const FolderEntry& entry : entries)
        result.emplace_back(entry.name, entry.isDirectory);
    return result;
}

// The names a listing of folder\*.* gives, without "." and "..".
std::vector<std::string> Listed(const std::string& folder) {
    std::vector<std::string> names;
    FindData found;
    FindHandle handle = FindFirstFileA(folder + "\\*.*", found);
    if (!handle)
        return names;
    do {
        if (found.cFileName != "." && found.cFileName != "..")
            names.push_back(found.cFileName);
    } while (FindNextFileA(handle, found));
    FindClose(handle);
    return names;
}

TEST(FolderEntries, ComeInListingOrderWithTheirKinds) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\S\\beta");
    sandbox.MakeFile("D:\\S\\Alpha.txt");
    sandbox.MakeFile("D:\\S\\alpha.TXT");
    sandbox.MakeFile("D:\\S\\.hidden");
    sandbox.MakeFolder("D:\\S\\Gamma");
    sandbox.MakeFile("D:\\target.txt");
    fs::create_directory_symlink(sandbox.Host("D:\\S\\Gamma"), sandbox.Host("D:\\S\\link-to-folder"));
    fs::create_symlink(sandbox.Host("D:\\target.txt"), sandbox.Host("D:\\S\\link-to-file"));
    fs::create_symlink(sandbox.Host("D:\\nowhere"), sandbox.Host("D:\\S\\dangling"));

    // A link is never a folder to a walk, whatever it points to.
    EXPECT_EQ(Walked("d:\\s\\"), (Entries{{".hidden", false},
                                          {"Alpha.txt", false},
                                          {"alpha.TXT", false},
                                          {"beta", true},
                                          {"dangling", false},
                                          {"Gamma", true},
                                          {"link-to-file", false},
                                          {"link-to-folder", false}}));
    std::vector<std::string> names;
    for (const auto& [name, isDirectory] : Walked("D:\\S"))
        names.push_back(name);
    EXPECT_EQ(names, Listed("D:\\S"));
    // The root of a drive has no "." and ".." to leave out either.
    EXPECT_EQ(Walked("D:\\"), (Entries{{"S", true}, {"target.txt", false}}));
}

TEST(FolderEntries, WhatCannotBeListedFailsAndAnEmptyFolderIsNoFailure) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\file.txt");
    sandbox.MakeFolder("D:\\empty");
    std::vector<FolderEntry> entries{{"stale", true}};
    EXPECT_TRUE(ListFolderEntries("D:\\EMPTY", entries));
    EXPECT_TRUE(entries.empty());
    for (const std::string bad :
         {"D:\\missing", "D:\\file.txt", "Q:\\", "D:\\a|b", "", "\\\\server\\share"}) {
        SCOPED_TRACE(bad);
        entries = {{"stale", true}};
        EXPECT_FALSE(ListFolderEntries(bad, entries));
        EXPECT_NE(GetLastError(), ERROR_SUCCESS);
        EXPECT_TRUE(entries.empty());
    }
    EXPECT_FALSE(ListFolderEntries("D:\\missing", entries));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST(FolderEntries, ChangesMadeAroundTheLayerAreSeen) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\S\\one");
    EXPECT_EQ(Walked("D:\\S"), (Entries{{"one", false}}));
    sandbox.MakeFile("D:\\S\\two");
    EXPECT_EQ(Walked("D:\\S"), (Entries{{"one", false}, {"two", false}}));
    fs::remove(sandbox.Host("D:\\S\\one"));
    sandbox.MakeFolder("D:\\S\\one");
    EXPECT_EQ(Walked("D:\\S"), (Entries{{"one", true}, {"two", false}}));
    fs::rename(sandbox.Host("D:\\S\\two"), sandbox.Host("D:\\S\\Three"));
    EXPECT_EQ(Walked("D:\\S"), (Entries{{"one", true}, {"Three", false}}));
    // ...and so are the layer's own.
    EXPECT_TRUE(CreateDirectoryA("D:\\S\\four"));
    EXPECT_TRUE(DeleteFileA("D:\\S\\three"));
    EXPECT_EQ(Walked("D:\\S"), (Entries{{"four", true}, {"one", true}}));
    // A folder replaced by another of the same name is listed afresh.
    fs::rename(sandbox.Host("D:\\S"), sandbox.Host("D:\\old"));
    sandbox.MakeFile("D:\\S\\new");
    EXPECT_EQ(Walked("D:\\S"), (Entries{{"new", false}}));
}

} // namespace

TEST(FolderEntries, ADetailedListingLetsItsCallerStepWhileItReads) {
    DriveSandbox sandbox;
    const size_t count = 50;
    for (size_t i = 0; i < count; ++i)
        sandbox.MakeFile("D:\\Many\\f" + std::to_string(i) + ".txt");
    std::vector<EntryDetails> entries;
    std::vector<size_t> readWhenStepped;
    ASSERT_TRUE(ListEntryDetails("D:\\Many", entries, [&] { readWhenStepped.push_back(entries.size()); }));
    ASSERT_EQ(entries.size(), count);
    // The caller is called back from the first entry on, not once the whole
    // folder is read.
    ASSERT_GE(readWhenStepped.size(), count);
    for (size_t i = 0; i < count; ++i)
        EXPECT_EQ(readWhenStepped[i], i + 1);
}
