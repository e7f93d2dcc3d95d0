// The shell's delete empties a folder on its own file system only: what is
// mounted inside the folder is neither entered nor removed.

#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"
#include "support/PrivateMounts.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <string>

namespace {

using testsupport::DriveSandbox;

TEST(ShellDelete, NeverGoesBelowAFolderOnAnotherFileSystem) {
    if (testsupport::RanInPrivateMounts("no file system may be mounted in a private mount namespace here"))
        return;
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\box\\a.txt", "a");
    sandbox.MakeFile("D:\\box\\sub\\b.txt", "b");
    sandbox.MakeFolder("D:\\box\\sub\\Mnt");
    const std::string host = sandbox.Host("D:\\box\\sub\\Mnt");
    if (mount("none", host.c_str(), "tmpfs", 0, "size=1m") != 0)
        testsupport::CannotMountHere();
    const testsupport::Unmounting unmount{host};
    sandbox.MakeFile("D:\\box\\sub\\Mnt\\other.txt", "other");
    sandbox.MakeFile("D:\\box\\sub\\Mnt\\Dir\\deeper.txt", "deeper");

    EXPECT_FALSE(platform::ShellDeleteFiles("D:\\box\\*.*"));
    EXPECT_FALSE(sandbox.Exists("D:\\box\\a.txt"));
    EXPECT_FALSE(sandbox.Exists("D:\\box\\sub\\b.txt"));
    EXPECT_EQ(sandbox.Read("D:\\box\\sub\\Mnt\\other.txt"), "other");
    EXPECT_EQ(sandbox.Read("D:\\box\\sub\\Mnt\\Dir\\deeper.txt"), "deeper");
}

TEST(ShellDelete, NeverGoesBelowABindMountOfTheSameFileSystem) {
    if (testsupport::RanInPrivateMounts("no bind mount may be made in a private mount namespace here"))
        return;
    DriveSandbox sandbox;
    sandbox.MakeFile("D:\\Person\\docs\\keep.txt", "the person's");
    sandbox.MakeFile("D:\\Person\\docs\\Deep\\more.txt", "more");
    sandbox.MakeFile("D:\\box\\a.txt", "a");
    sandbox.MakeFolder("D:\\box\\sub\\mnt");
    const std::string host = sandbox.Host("D:\\box\\sub\\mnt");
    if (mount(sandbox.Host("D:\\Person\\docs").c_str(), host.c_str(), nullptr, MS_BIND, nullptr) != 0)
        testsupport::CannotMountHere();
    const testsupport::Unmounting unmount{host};

    EXPECT_FALSE(platform::ShellDeleteFiles("D:\\box\\*.*"));
    EXPECT_FALSE(sandbox.Exists("D:\\box\\a.txt"));
    EXPECT_EQ(sandbox.Read("D:\\Person\\docs\\keep.txt"), "the person's");
    EXPECT_EQ(sandbox.Read("D:\\Person\\docs\\Deep\\more.txt"), "more");
}

} // namespace
