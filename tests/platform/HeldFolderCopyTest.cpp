// Copies made relative to held folders: what they copy of a file, and what
// they refuse, leaving the entry to the calls that go by whole paths.

#include "platform/HeldFolderCopy.h"

#include "platform/FileSystem.h"
#include "platform/KeptContents.h"
#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

struct stat StatusOf(const std::string& host) {
    struct stat st {};
    EXPECT_EQ(lstat(host.c_str(), &st), 0) << host;
    return st;
}

TEST(HeldFolderCopyTest, CopiesContentModeAndTimesIntoAFolderItMade) {
    testsupport::DriveSandbox sandbox("D");
    sandbox.MakeFile("D:\\S\\sub\\a.txt", "some content");
    const std::string source = sandbox.Host("D:\\S\\sub\\a.txt");
    ASSERT_EQ(chmod(source.c_str(), 0640), 0);
    const timespec times[2] = {{1000000000, 5}, {1200000000, 123456789}};
    ASSERT_EQ(utimensat(AT_FDCWD, source.c_str(), times, 0), 0);
    sandbox.MakeFolder("D:\\T");

    platform::HeldFolder from;
    platform::HeldFolder to;
    ASSERT_TRUE(from.Hold("d:\\s\\sub"));
    ASSERT_TRUE(to.Hold("D:\\T"));
    std::optional<platform::EntryDetails> made;
    ASSERT_TRUE(platform::CreateFolderBelow(to, "sub", &made));
    ASSERT_TRUE(platform::CopyFileBelow(from, to, "sub/a.txt"));

    EXPECT_EQ(sandbox.Read("D:\\T\\sub\\a.txt"), "some content");
    const struct stat copy = StatusOf(sandbox.Host("D:\\T\\sub\\a.txt"));
    EXPECT_EQ(copy.st_mode & 0777, 0640u);
    EXPECT_EQ(copy.st_mtim.tv_sec, 1200000000);
    EXPECT_EQ(copy.st_mtim.tv_nsec, 123456789);
    // The new folder as Undo records it, read as it was made.
    ASSERT_TRUE(made.has_value());
    platform::EntryIdentity identity;
    ASSERT_TRUE(platform::GetEntryIdentity("D:\\T\\sub", identity));
    EXPECT_EQ(made->identity, identity);
    EXPECT_EQ(made->kind, platform::EntryKind::Folder);
    EXPECT_EQ(made->name, "sub");
}

TEST(HeldFolderCopyTest, RefusesWhatItCannotCopyWithoutTouchingIt) {
    struct Case {
        std::string name;
        std::string relative; // copied from D:\S to D:\T
        std::string prepare;  // what is on disk besides D:\S\a.txt
        uint32_t error;
    };
    const Case cases[] = {
        {"target taken", "a.txt", "file", platform::ERROR_FILE_EXISTS},
        {"link on the way", "in/a.txt", "link", 0},
        {"source is a folder", "dir", "", platform::ERROR_ACCESS_DENIED},
        {"source missing", "gone.txt", "", platform::ERROR_FILE_NOT_FOUND},
        {"source is a link now", "a.txt", "source link", platform::ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        testsupport::DriveSandbox sandbox("D");
        sandbox.MakeFile("D:\\S\\a.txt", "ours");
        sandbox.MakeFile("D:\\S\\in\\a.txt", "ours");
        sandbox.MakeFolder("D:\\S\\dir");
        sandbox.MakeFolder("D:\\T");
        sandbox.MakeFolder("D:\\Elsewhere");
        if (c.prepare == "file") {
            sandbox.MakeFile("D:\\T\\a.txt", "theirs");
        } else if (c.prepare == "link") {
            ASSERT_EQ(symlink(sandbox.Host("D:\\Elsewhere").c_str(), sandbox.Host("D:\\T\\in").c_str()), 0);
        } else if (c.prepare == "source link") {
            sandbox.MakeFile("D:\\Elsewhere\\secret.txt", "outside");
            ASSERT_EQ(unlink(sandbox.Host("D:\\S\\a.txt").c_str()), 0);
            ASSERT_EQ(symlink(sandbox.Host("D:\\Elsewhere\\secret.txt").c_str(),
                              sandbox.Host("D:\\S\\a.txt").c_str()),
                      0);
        }

        platform::HeldFolder from;
        platform::HeldFolder to;
        ASSERT_TRUE(from.Hold("D:\\S"));
        ASSERT_TRUE(to.Hold("D:\\T"));
        EXPECT_FALSE(platform::CopyFileBelow(from, to, c.relative)) << c.name;
        if (c.error != 0) {
            EXPECT_EQ(platform::GetLastError(), c.error) << c.name;
        }
        if (c.prepare == "file") {
            EXPECT_EQ(sandbox.Read("D:\\T\\a.txt"), "theirs") << c.name;
        }
        // Nothing is ever written through a link, nor read through one.
        EXPECT_FALSE(sandbox.Exists("D:\\Elsewhere\\a.txt")) << c.name;
        if (c.prepare == "source link") {
            EXPECT_FALSE(sandbox.Exists("D:\\T\\a.txt")) << c.name;
        }
    }
}

TEST(HeldFolderCopyTest, AKeptFileIsCopiedAsItIsOnDiskWhenCopiedAgain) {
    struct Case {
        std::string name;
        std::string content; // of D:\S\a.txt when first copied
        // What happens to the source between the first copy and the second.
        std::function<void(const std::string& host)> change;
        bool copiedAgain;
    };
    const std::string large(platform::KeptContents::LargestKept, 'L');
    const Case cases[] = {
        {"unchanged", "first", [](const std::string&) {}, true},
        {"empty", "", [](const std::string&) {}, true},
        {"as large as kept", large, [](const std::string&) {}, true},
        {"appended", "first",
         [](const std::string& host) {
             FILE* file = std::fopen(host.c_str(), "a");
             std::fputs(" and more", file);
             std::fclose(file);
         },
         true},
        {"replaced by one of the same size", "first",
         [](const std::string& host) {
             const std::string other = host + ".new";
             FILE* file = std::fopen(other.c_str(), "w");
             std::fputs("FIRST", file);
             std::fclose(file);
             ASSERT_EQ(rename(other.c_str(), host.c_str()), 0);
         },
         true},
        {"mode changed", "first", [](const std::string& host) { ASSERT_EQ(chmod(host.c_str(), 0600), 0); },
         true},
        {"times changed", "first",
         [](const std::string& host) {
             const timespec times[2] = {{1000000000, 0}, {1100000000, 42}};
             ASSERT_EQ(utimensat(AT_FDCWD, host.c_str(), times, 0), 0);
         },
         true},
        {"removed", "first", [](const std::string& host) { ASSERT_EQ(unlink(host.c_str()), 0); }, false},
    };
    for (const Case& c : cases) {
        testsupport::DriveSandbox sandbox("D");
        sandbox.MakeFile("D:\\S\\a.txt", c.content);
        sandbox.MakeFolder("D:\\T1");
        sandbox.MakeFolder("D:\\T2");
        const std::string source = sandbox.Host("D:\\S\\a.txt");
        platform::HeldFolder from;
        platform::HeldFolder first;
        platform::HeldFolder second;
        ASSERT_TRUE(from.Hold("D:\\S"));
        ASSERT_TRUE(first.Hold("D:\\T1"));
        ASSERT_TRUE(second.Hold("D:\\T2"));
        // Trusted as soon as read: the files of a test are all new.
        platform::KeptContents kept(-std::chrono::seconds(1));
        ASSERT_TRUE(platform::CopyFileBelow(from, first, "a.txt", &kept)) << c.name;
        EXPECT_EQ(kept.Count(), 1u) << c.name;
        c.change(source);

        EXPECT_EQ(platform::CopyFileBelow(from, second, "a.txt", &kept), c.copiedAgain) << c.name;
        EXPECT_EQ(sandbox.Read("D:\\T1\\a.txt"), c.content) << c.name;
        if (!c.copiedAgain) {
            EXPECT_EQ(platform::GetLastError(), platform::ERROR_FILE_NOT_FOUND) << c.name;
            EXPECT_FALSE(sandbox.Exists("D:\\T2\\a.txt")) << c.name;
            continue;
        }
        EXPECT_EQ(sandbox.Read("D:\\T2\\a.txt"), sandbox.Read("D:\\S\\a.txt")) << c.name;
        const struct stat original = StatusOf(source);
        const struct stat copy = StatusOf(sandbox.Host("D:\\T2\\a.txt"));
        EXPECT_EQ(copy.st_mode & 0777, original.st_mode & 0777) << c.name;
        EXPECT_EQ(copy.st_mtim.tv_sec, original.st_mtim.tv_sec) << c.name;
        EXPECT_EQ(copy.st_mtim.tv_nsec, original.st_mtim.tv_nsec) << c.name;
    }
}

TEST(HeldFolderCopyTest, AFileChangedJustNowIsNotKept) {
    testsupport::DriveSandbox sandbox("D");
    sandbox.MakeFile("D:\\S\\a.txt", "being written");
    sandbox.MakeFolder("D:\\T");
    platform::HeldFolder from;
    platform::HeldFolder to;
    ASSERT_TRUE(from.Hold("D:\\S"));
    ASSERT_TRUE(to.Hold("D:\\T"));
    platform::KeptContents kept;
    ASSERT_TRUE(platform::CopyFileBelow(from, to, "a.txt", &kept));
    EXPECT_EQ(sandbox.Read("D:\\T\\a.txt"), "being written");
    EXPECT_EQ(kept.Count(), 0u);
}

TEST(HeldFolderCopyTest, CreatingAFolderThatIsThereFailsAsCreateDirectoryDoes) {
    testsupport::DriveSandbox sandbox("D");
    sandbox.MakeFolder("D:\\T\\sub");
    platform::HeldFolder to;
    ASSERT_TRUE(to.Hold("D:\\T"));
    std::optional<platform::EntryDetails> made;
    EXPECT_FALSE(platform::CreateFolderBelow(to, "sub", &made));
    EXPECT_EQ(platform::GetLastError(), platform::ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(made.has_value());
    EXPECT_FALSE(platform::HeldFolder().IsHeld());
    platform::HeldFolder missing;
    EXPECT_FALSE(missing.Hold("D:\\Nowhere"));
}

TEST(HeldFolderCopyTest, AHeldFolderIsWhereAndWhatItsPathLeadsTo) {
    testsupport::DriveSandbox sandbox("D");
    sandbox.MakeFolder("D:\\Real\\Inner");
    ASSERT_EQ(symlink(sandbox.Host("D:\\Real").c_str(), sandbox.Host("D:\\Link").c_str()), 0);
    struct Case {
        std::string path;
        std::string leadsTo;
    };
    const Case cases[] = {
        {"D:\\Real\\Inner", "D:\\Real\\Inner"},
        {"d:\\real\\INNER", "D:\\Real\\Inner"},
        {"D:\\Link\\Inner", "D:\\Real\\Inner"},
        {"D:\\Link", "D:\\Real"},
    };
    for (const Case& c : cases) {
        platform::HeldFolder held;
        ASSERT_TRUE(held.Hold(c.path)) << c.path;
        char* real = realpath(sandbox.Host(c.leadsTo).c_str(), nullptr);
        ASSERT_NE(real, nullptr) << c.leadsTo;
        EXPECT_EQ(held.RealPath(), real) << c.path;
        std::free(real);
        platform::EntryIdentity identity;
        ASSERT_TRUE(platform::GetResolvedIdentity(c.path, identity)) << c.path;
        const std::optional<platform::EntryDetails> details = held.Details();
        ASSERT_TRUE(details.has_value()) << c.path;
        EXPECT_EQ(details->identity, identity) << c.path;
        EXPECT_EQ(details->kind, platform::EntryKind::Folder) << c.path;
    }
    // Removed while held: it is nowhere, and nothing is read of it.
    platform::HeldFolder gone;
    ASSERT_TRUE(gone.Hold("D:\\Real\\Inner"));
    ASSERT_EQ(rmdir(sandbox.Host("D:\\Real\\Inner").c_str()), 0);
    EXPECT_EQ(gone.RealPath(), "");
    EXPECT_FALSE(platform::HeldFolder().Details().has_value());
}

} // namespace
