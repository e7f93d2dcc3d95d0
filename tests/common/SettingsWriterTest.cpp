// The settings writer replaces the file only with a complete one: a save that
// fails at any point says so, leaves the previous file as it was and shows
// nothing itself; message 0130 is its caller's to show.

#include "common/SettingLists.h"
#include "common/SettingsFile.h"
#include "support/DriveSandbox.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedDesktop.h"
#include "support/SharedSettingsGuard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace testsupport;

namespace {

const char* const kCaption = "Severe Error!    Msg no: 0130.";
const char* const kText =
    "Unable to open output file to save settings !\n\nAction: Try to save again the settings, "
    "or \n\nimmediately e-mail us, please!";

class SettingsWriterTest : public ::testing::Test {
protected:
    SettingsWriterTest() {
        sandbox.MakeFolder("C:\\Settings");
        SetStartDirectory("C:\\Settings");
        ReplaceSeparatorList({",", ";"});
    }

    void ExpectFailureBox() const {
        EXPECT_TRUE(desktop.Boxes().empty()) << "the writer shows no box itself";
        const ui::MessageBoxRequest box = SettingsWriter::FailureBox();
        EXPECT_EQ(box.caption, kCaption);
        EXPECT_EQ(box.text, kText);
        EXPECT_EQ(box.icon, ui::Icon::Stop);
        EXPECT_EQ(box.buttons, ui::Buttons::Ok);
        EXPECT_EQ(box.owner, nullptr);
    }

    std::vector<std::string> FolderEntries(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(sandbox.Host(folder)))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    SharedSettingsGuard settings;
    DriveSandbox sandbox{"C"};
    ScriptedDesktop desktop;
};

} // namespace

TEST_F(SettingsWriterTest, ASuccessfulSaveLeavesOnlyTheSettingsFile) {
    sandbox.MakeFile("C:\\Settings\\default.set", "previous");
    SettingsWriter writer("");
    ASSERT_TRUE(writer.IsOpen());
    EXPECT_TRUE(writer.Save());
    EXPECT_EQ(FolderEntries("C:\\Settings"), std::vector<std::string>{"default.set"});
    EXPECT_EQ(sandbox.Read("C:\\Settings\\default.set").size(), 19u * 5312u);
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(SettingsWriterTest, AWriteThatBreaksOffKeepsThePreviousFile) {
    const std::string previous = "the settings of an earlier save";
    sandbox.MakeFile("C:\\Settings\\default.set", previous);
    {
        FileSizeLimit limit(3 * 5312);
        ASSERT_TRUE(limit.Applied());
        SettingsWriter writer("");
        EXPECT_FALSE(writer.Save());
    }
    ExpectFailureBox();
    EXPECT_EQ(sandbox.Read("C:\\Settings\\default.set"), previous);
    EXPECT_EQ(FolderEntries("C:\\Settings"), std::vector<std::string>{"default.set"});
}

TEST_F(SettingsWriterTest, AMissingFolderIsReportedAndNothingIsCreated) {
    SetStartDirectory("C:\\Gone");
    SettingsWriter writer("");
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_FALSE(writer.Save()); // writes nothing and does not report twice
    ExpectFailureBox();
    EXPECT_FALSE(sandbox.Exists("C:\\Gone"));
}

TEST_F(SettingsWriterTest, AFolderInThePlaceOfTheFileIsReportedAndKept) {
    sandbox.MakeFile("C:\\Settings\\default.set\\inside.txt", "x");
    SettingsWriter writer("");
    EXPECT_FALSE(writer.Save());
    ExpectFailureBox();
    EXPECT_EQ(sandbox.Read("C:\\Settings\\default.set\\inside.txt"), "x");
    EXPECT_EQ(FolderEntries("C:\\Settings"), std::vector<std::string>{"default.set"});
}

TEST_F(SettingsWriterTest, AWriterThatNeverSavesLeavesThePreviousFile) {
    sandbox.MakeFile("C:\\Settings\\default.set", "previous");
    { SettingsWriter writer(""); }
    EXPECT_EQ(sandbox.Read("C:\\Settings\\default.set"), "previous");
    EXPECT_EQ(FolderEntries("C:\\Settings"), std::vector<std::string>{"default.set"});
}

TEST_F(SettingsWriterTest, TheFileIsMatchedIgnoringCaseAndReplacedInPlace) {
    sandbox.MakeFile("C:\\Settings\\DEFAULT.SET", "previous");
    SettingsWriter writer("");
    EXPECT_TRUE(writer.Save());
    EXPECT_EQ(FolderEntries("C:\\Settings"), std::vector<std::string>{"DEFAULT.SET"});
    EXPECT_EQ(sandbox.Read("C:\\Settings\\DEFAULT.SET").size(), 19u * 5312u);
}

TEST_F(SettingsWriterTest, ALinkedFileIsWrittenThroughAndKeepsItsPermissions) {
    // The settings file is a link to a file elsewhere that only its owner may
    // read: after the save the link is still a link, the file it names has
    // the settings and its permissions, and nothing else was left behind.
    sandbox.MakeFile("C:\\Elsewhere\\real.set", "previous");
    const std::string real = sandbox.Host("C:\\Elsewhere\\real.set");
    std::filesystem::permissions(real,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink("../Elsewhere/real.set", sandbox.Host("C:\\Settings\\default.set"));
    SettingsWriter writer("");
    ASSERT_TRUE(writer.IsOpen());
    EXPECT_TRUE(writer.Save());
    EXPECT_TRUE(std::filesystem::is_symlink(sandbox.Host("C:\\Settings\\default.set")));
    EXPECT_EQ(std::filesystem::file_size(real), 19u * 5312u);
    EXPECT_EQ(std::filesystem::status(real).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(FolderEntries("C:\\Elsewhere"), std::vector<std::string>{"real.set"});
    EXPECT_EQ(FolderEntries("C:\\Settings"), std::vector<std::string>{"default.set"});
    EXPECT_TRUE(desktop.Boxes().empty());
}
