// A folder counts as made only when the creating call made it: one another
// program made after every look and just before that call is found, not made,
// and the made folder's details are those of the very folder the call made.

#include "common/FrameworkFiles.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"
#include "support/ForeignCreation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using testsupport::DriveSandbox;

namespace {

struct Disarm {
    ~Disarm() { testsupport::NoForeignCreation(); }
};

void MakeForeignFolder(const std::string& host) {
    std::filesystem::create_directory(host);
    std::ofstream(host + "/mine.txt") << "the other program's";
}

} // namespace

TEST(ForceNewDirectory, TellsMadeFromFoundAndFailed) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\W\\there");
    sandbox.MakeFile("D:\\W\\file", "f");
    struct Case {
        std::string path;
        FolderMaking result;
        bool details;
    };
    const Case cases[] = {
        {"D:\\W\\new", FolderMaking::Made, true},
        {"D:\\W\\p\\q\\deep", FolderMaking::Made, true},
        {"D:\\W\\there", FolderMaking::Found, false},
        {"D:\\W\\file", FolderMaking::Failed, false},
        {"D:\\W\\file\\below", FolderMaking::Failed, false},
        {"D:\\", FolderMaking::Found, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.path);
        std::optional<platform::EntryDetails> made;
        EXPECT_EQ(ForceNewDirectory(test.path, made), test.result);
        ASSERT_EQ(made.has_value(), test.details);
        if (made) {
            platform::EntryIdentity now;
            ASSERT_TRUE(platform::GetEntryIdentity(test.path, now));
            EXPECT_EQ(made->identity, now);
            EXPECT_EQ(made->kind, platform::EntryKind::Folder);
        }
    }
}

TEST(ForceNewDirectory, AFolderAnotherProgramMadeJustBeforeTheCreationIsFound) {
    DriveSandbox sandbox;
    sandbox.MakeFolder("D:\\W");
    Disarm disarm;
    // A folder made at once in its folder, and one at the end of a path whose
    // folders above it the call makes first.
    for (const std::string path : {"D:\\W\\x0", "D:\\W\\x1", "D:\\W\\p\\q\\x2"}) {
        SCOPED_TRACE(path);
        const std::string name = path.substr(path.rfind('\\') + 1);
        // Seen missing first, as a run's look sees it.
        ASSERT_FALSE(DirectoryExists(path));
        testsupport::BeforeCreationOf(name, MakeForeignFolder);
        std::optional<platform::EntryDetails> made;
        EXPECT_EQ(ForceNewDirectory(path, made), FolderMaking::Found);
        EXPECT_FALSE(made.has_value());
        EXPECT_EQ(sandbox.Read(path + "\\mine.txt"), "the other program's");
    }
}
