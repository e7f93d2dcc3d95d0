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

TEST(ShellDelete, NeverGoesBelowAMountPoint) {
    if (testsupport::RanInPrivateMounts("no file system may be mounted in a private mount namespace here"))
        return;
    struct Case {
        const char* what;
        bool bind; // else a file system of its own
    };
    for (const Case c : {Case{"another file system", false}, Case{"a bind mount of the same one", true}}) {
        DriveSandbox sandbox;
        sandbox.MakeFile("D:\\box\\a.txt", "a");
        sandbox.MakeFile("D:\\box\\sub\\b.txt", "b");
        sandbox.MakeFolder("D:\\Person\\docs");
        sandbox.MakeFolder("D:\\box\\sub\\Mnt");
        const std::string host = sandbox.Host("D:\\box\\sub\\Mnt");
        const int mounted = c.bind ? mount(sandbox.Host("D:\\Person\\docs").c_str(), host.c_str(), nullptr,
                                           MS_BIND, nullptr)
                                   : mount("none", host.c_str(), "tmpfs", 0, "size=1m");
        if (mounted != 0)
            testsupport::CannotMountHere();
        const testsupport::Unmounting unmount{host};
        sandbox.MakeFile("D:\\box\\sub\\Mnt\\other.txt", "other");
        sandbox.MakeFile("D:\\box\\sub\\Mnt\\Dir\\deeper.txt", "deeper");

        EXPECT_FALSE(platform::ShellDeleteFiles("D:\\box\\*.*")) << c.what;
        EXPECT_FALSE(sandbox.Exists("D:\\box\\a.txt")) << c.what;
        EXPECT_FALSE(sandbox.Exists("D:\\box\\sub\\b.txt")) << c.what;
        EXPECT_EQ(sandbox.Read("D:\\box\\sub\\Mnt\\other.txt"), "other") << c.what;
        EXPECT_EQ(sandbox.Read("D:\\box\\sub\\Mnt\\Dir\\deeper.txt"), "deeper") << c.what;
        if (c.bind) {
            EXPECT_EQ(sandbox.Read("D:\\Person\\docs\\Dir\\deeper.txt"), "deeper") << c.what;
        }
    }
}

} // namespace
