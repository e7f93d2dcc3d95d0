// On a file system that records no birth time, an identity still tells a
// folder made anew in the inode of a deleted one from the one the run made;
// where nothing tells them apart, Undo takes nothing for the run's own.

#include "platform/CreatedFolderRemoval.h"
#include "platform/EntryDetails.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"
#include "support/Ext4Images.h"
#include "support/PrivateMounts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using testsupport::DriveSandbox;
namespace fs = std::filesystem;

std::string RealPath(const std::string& host) {
    char* resolved = realpath(host.c_str(), nullptr);
    std::string real = resolved ? resolved : "";
    free(resolved);
    return real;
}

TEST(IdentityWithoutBirthTime, AFolderMadeAnewInTheSameInodeIsAnotherEntry) {
    using testsupport::Ext4Disk;
    if (testsupport::RanInPrivateMounts(Ext4Disk::WhyUnavailable(Ext4Disk::Kind::NoBirthTime)))
        return;
    DriveSandbox sandbox;
    const std::string disk = sandbox.Host("D:\\Ext");
    const Ext4Disk mounted(disk, Ext4Disk::Kind::NoBirthTime);

    ASSERT_TRUE(platform::CreateDirectoryA("D:\\Ext\\x"));
    const platform::EntryDetails made = platform::GetEntryDetails("D:\\Ext\\x");
    ASSERT_EQ(made.kind, platform::EntryKind::Folder);
    EXPECT_TRUE(made.identity.distinct);
    fs::remove(sandbox.Host("D:\\Ext\\x"));
    sandbox.MakeFolder("D:\\Ext\\x");
    sandbox.MakeFile("D:\\Ext\\x\\mine.txt", "mine");
    const platform::EntryDetails anew = platform::GetEntryDetails("D:\\Ext\\x");
    // The file system handed the inode on: only its generation tells.
    ASSERT_EQ(anew.identity.inode, made.identity.inode) << "the inode was not reused";
    EXPECT_NE(anew.identity, made.identity);
    platform::EntryIdentity again;
    ASSERT_TRUE(platform::GetEntryIdentity("D:\\Ext\\x", again));
    EXPECT_EQ(again, anew.identity);

    platform::CreatedFolderRemoval removal;
    EXPECT_FALSE(removal.Remove("D:\\Ext\\x", made.identity, RealPath(disk)));
    EXPECT_EQ(sandbox.Read("D:\\Ext\\x\\mine.txt"), "mine");
    EXPECT_TRUE(removal.Remove("D:\\Ext\\x", anew.identity, RealPath(disk)));
}

TEST(IdentityWithoutBirthTime, AnIdentityThatTellsNoReusedInodeApartRemovesNothing) {
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\W\\1\\f.txt", "x");
    platform::EntryDetails made = platform::GetEntryDetails("D:\\W\\1");
    ASSERT_TRUE(made.identity.distinct);
    // As a file system with neither birth time nor generation gives it.
    made.identity.bornSeconds = 0;
    made.identity.bornNanoseconds = 0;
    made.identity.generation = 0;
    made.identity.distinct = false;
    platform::CreatedFolderRemoval removal;
    EXPECT_FALSE(removal.Remove("D:\\W\\1", made.identity, RealPath(sandbox.Host("D:\\W"))));
    EXPECT_EQ(sandbox.Read("D:\\W\\1\\f.txt"), "x");
}

} // namespace
