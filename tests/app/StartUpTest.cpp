// The main window's start-up: the start directory, the settings file read or
// written with the first-run defaults, and what start-up leaves in front.

#include "app/TfrmMain.h"
#include "common/IllegalCharacters.h"
#include "common/SettingLists.h"
#include "common/SettingsFile.h"
#include "platform/FileSystem.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "ui/Hints.h"

#include <QTabWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;

namespace {

using List = std::deque<std::string>;

const List kSymbols = {",", ";", "space", "\"", "'", "|", "~", ":", "#",
                       "&", "@", "$",     "<",  ">", ".", "-", "_"};

struct Record {
    int32_t type;
    std::string value;
};

// The records of a settings file as they lie on disk.
std::vector<Record> Records(const std::string& bytes) {
    std::vector<Record> records;
    for (size_t at = 0; at + SettingsRecord::kSize <= bytes.size(); at += SettingsRecord::kSize) {
        int32_t type = 0;
        std::memcpy(&type, bytes.data() + at, sizeof type);
        const char* value = bytes.data() + at + SettingsRecord::kValueOffset;
        records.push_back({type, std::string(value, strnlen(value, SettingsRecord::kValueSize))});
    }
    return records;
}

size_t CountOfType(const std::vector<Record>& records, int32_t type) {
    size_t count = 0;
    for (const Record& record : records)
        count += record.type == type ? 1 : 0;
    return count;
}

// The shared values as a fresh process has them, and back to what the other
// tests of this program saw afterwards.
class StartUpTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        ProgramWindowsFixture::SetUp();
        savedStart_ = GetStartDirectory();
        savedHelp_ = GetHelpFileBaseName();
        savedSeparators_ = GetSeparatorList();
        savedQuotationMarks_ = GetQuotationMarkList();
        savedIncluded_ = GetIncludedTypeList();
        savedExcluded_ = GetExcludedTypeList();
        savedKnown_ = GetKnownTypeList();
        savedPatterns_ = GetFileNamePatternList();
        AsAtProcessStart();
    }

    void TearDown() override {
        SetStartDirectory(savedStart_);
        SetHelpFileBaseName(savedHelp_);
        Replace(savedSeparators_, ClearSeparatorList, AddToSeparatorList);
        Replace(savedQuotationMarks_, ClearQuotationMarkList, AddToQuotationMarkList);
        Replace(savedKnown_, ClearKnownTypeList, AddToKnownTypeList);
        SetIncludedTypeList(savedIncluded_);
        SetExcludedTypeList(savedExcluded_);
        SetFileNamePatternList(savedPatterns_);
    }

    static void AsAtProcessStart() {
        SetStartDirectory("");
        SetHelpFileBaseName("");
        ClearSeparatorList();
        ClearQuotationMarkList();
        ClearIncludedTypeList();
        ClearExcludedTypeList();
        ClearKnownTypeList();
        ClearFileNamePatternList();
    }

    static void Replace(const List& items, void (*clear)(), void (*add)(const std::string&)) {
        clear();
        for (const std::string& item : items)
            add(item);
    }

    // Starts the program in `folder`, as a fresh process would.
    static void StartIn(const std::string& folder) {
        ASSERT_TRUE(platform::SetCurrentDirectoryA(folder)) << folder;
        AsAtProcessStart();
        frmMain->FormCreate();
    }

    // A settings file in `file` naming this start directory and separator list.
    static void WriteSettings(const std::string& file, const std::string& startDirectory,
                              const List& separators) {
        SetStartDirectory(startDirectory);
        SetHelpFileBaseName("OTHERHELP");
        Replace(separators, ClearSeparatorList, AddToSeparatorList);
        ClearIncludedTypeList();
        AddToIncludedTypeList("txt");
        SettingsWriter writer(file);
        ASSERT_TRUE(writer.Save());
    }

private:
    std::string savedStart_, savedHelp_;
    List savedSeparators_, savedQuotationMarks_, savedIncluded_, savedExcluded_, savedKnown_, savedPatterns_;
};

TEST_F(StartUpTest, FirstRunWritesTheDefaultsIntoTheStartDirectory) {
    DriveSandbox sandbox("C");
    sandbox.MakeFolder("C:\\Work\\Lists");
    ScriptedDesktop desktop;
    PathIllegalChars.clear();
    NameIllegalChars.clear();
    SubpathIllegalChars.clear();

    ui::SetHintHidePause(0);

    StartIn("C:\\Work\\Lists");

    EXPECT_EQ(ui::HintHidePause(), 600000);
    EXPECT_EQ(GetStartDirectory(), "C:\\Work\\Lists");
    EXPECT_EQ(GetHelpFileBaseName(), "FOLDERSMITH");
    EXPECT_EQ(GetSeparatorList(), kSymbols);
    EXPECT_EQ(GetQuotationMarkList(), kSymbols);
    ASSERT_EQ(GetIncludedTypeList().size(), 172u);
    EXPECT_EQ(GetIncludedTypeList().front(), "doc");
    EXPECT_EQ(GetIncludedTypeList().back(), "yy");
    EXPECT_EQ(GetExcludedTypeList(), (List{"bak", "nt", "old", "org", "sav"}));
    ASSERT_EQ(GetKnownTypeList().size(), 215u);
    EXPECT_EQ(GetKnownTypeList().front(), "exe");
    EXPECT_EQ(GetFileNamePatternList(), List{"*.*"});
    EXPECT_TRUE(PathIllegalChars.count("*"));
    EXPECT_TRUE(NameIllegalChars.count("\\"));
    EXPECT_TRUE(SubpathIllegalChars.count(":"));

    ASSERT_TRUE(sandbox.Exists("C:\\Work\\Lists\\default.set"));
    const std::string bytes = sandbox.Read("C:\\Work\\Lists\\default.set");
    EXPECT_EQ(bytes.size() % SettingsRecord::kSize, 0u);
    const std::vector<Record> records = Records(bytes);
    ASSERT_GE(records.size(), 3u);
    EXPECT_EQ(records[0].type, 1);
    EXPECT_EQ(records[0].value, "FOLDERSMITH");
    EXPECT_EQ(records[1].type, 2);
    EXPECT_EQ(records[1].value, "C:\\Work\\Lists");
    EXPECT_EQ(CountOfType(records, 4), 17u);
    EXPECT_EQ(CountOfType(records, 6), 17u);
    EXPECT_EQ(CountOfType(records, 10), 1u);
    EXPECT_EQ(CountOfType(records, 17), 172u);
    EXPECT_EQ(CountOfType(records, 18), 5u);
    EXPECT_EQ(CountOfType(records, 19), 215u);
    EXPECT_EQ(records.back().type, SettingsRecord::kEndType);
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(StartUpTest, SecondStartReadsTheFileAndLeavesItAsItWas) {
    DriveSandbox sandbox("C");
    sandbox.MakeFolder("C:\\Work");
    ScriptedDesktop desktop;
    StartIn("C:\\Work");
    WriteSettings("", "C:\\Work", {";", "|"});
    const std::string written = sandbox.Read("C:\\Work\\default.set");

    StartIn("C:\\Work");

    EXPECT_EQ(GetSeparatorList(), (List{";", "|"}));
    EXPECT_EQ(GetIncludedTypeList(), List{"txt"}); // no first-run types added
    EXPECT_EQ(GetKnownTypeList().size(), 215u);    // read back from the first run's file
    EXPECT_EQ(GetHelpFileBaseName(), "OTHERHELP");
    EXPECT_EQ(sandbox.Read("C:\\Work\\default.set"), written);
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(StartUpTest, AtADrivesRootTheFileLiesStraightInTheRoot) {
    DriveSandbox sandbox("C");
    ScriptedDesktop desktop;
    StartIn("C:\\");
    EXPECT_EQ(GetStartDirectory(), "C:\\");
    ASSERT_TRUE(sandbox.Exists("C:\\default.set"));

    WriteSettings("", "C:\\", {"#"});
    StartIn("C:\\");
    EXPECT_EQ(GetSeparatorList(), List{"#"});
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(StartUpTest, AStoredStartDirectoryIsAdoptedForLaterSaves) {
    DriveSandbox sandbox("C");
    sandbox.MakeFolder("C:\\Start");
    sandbox.MakeFolder("C:\\Settings\\Kept");
    ScriptedDesktop desktop;
    WriteSettings("C:\\Start\\default.set", "C:\\Settings\\Kept", {";"});

    StartIn("C:\\Start");

    EXPECT_EQ(GetStartDirectory(), "C:\\Settings\\Kept");
    EXPECT_EQ(GetSeparatorList(), List{";"});
    SettingsWriter writer("");
    ASSERT_TRUE(writer.Save());
    EXPECT_TRUE(sandbox.Exists("C:\\Settings\\Kept\\default.set"));
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(StartUpTest, AStoredStartDirectoryThatIsGoneIsNotAdopted) {
    DriveSandbox sandbox("C");
    sandbox.MakeFolder("C:\\Start");
    ScriptedDesktop desktop;
    for (const std::string& stored :
         {std::string("C:\\Gone"), std::string("D:\\Elsewhere"), std::string(" ")}) {
        WriteSettings("C:\\Start\\default.set", stored, {";"});

        StartIn("C:\\Start");

        EXPECT_EQ(GetStartDirectory(), "C:\\Start") << stored;
        EXPECT_EQ(GetSeparatorList(), List{";"}) << stored; // the rest of the file still counts
    }
    EXPECT_FALSE(sandbox.Exists("C:\\Gone"));
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(StartUpTest, ASettingsFileThatCannotBeWrittenIsReportedAndStartUpGoesOn) {
    DriveSandbox sandbox("C");
    sandbox.MakeFolder("C:\\Work\\default.set"); // a folder in the file's place
    ScriptedDesktop desktop;
    desktop.ExpectBox("0130");

    StartIn("C:\\Work");

    EXPECT_EQ(desktop.LastBox().caption, "Severe Error!    Msg no: 0130.");
    EXPECT_EQ(GetStartDirectory(), "C:\\Work");
    EXPECT_EQ(GetSeparatorList(), kSymbols);
    EXPECT_EQ(frmMain->pgeMain()->currentWidget()->objectName(), "tabFolderCreate03");
}

TEST_F(StartUpTest, TheStringsPageIsInFrontAfterStart) {
    DriveSandbox sandbox("C");
    ScriptedDesktop desktop;
    frmMain->ShowTab("tabFolderCreate04");
    ASSERT_EQ(frmMain->pgeMain()->currentWidget()->objectName(), "tabFolderCreate04");

    StartIn("C:\\");

    EXPECT_EQ(frmMain->pgeMain()->currentWidget()->objectName(), "tabFolderCreate03");
}

TEST_F(StartUpTest, PagesReachTheStartUpTextsThroughTheMainWindow) {
    DriveSandbox sandbox("C");
    ScriptedDesktop desktop;
    StartIn("C:\\");
    const MainWindowTexts& texts = frmMain->Texts();
    const std::pair<const std::string*, const char*> expected[] = {
        {&texts.CreateSimulationIntroText,
         "Simulation shows you the complete Folder Creation process \nwithout actually creating them on the "
         "hard "
         "drive.\n\nThis allows you to see the process in real time, eliminate errors or export\nResult "
         "Folder/File lists - all without compromising existing Folder Structures.\n"},
        {&texts.CreateSimulationEndText,
         "End of Simulation !!!\n\nNo actual Folders were Created because of Simulation.\nThe purpose of the "
         "Simulation is to show the Complete Folder creation process\n without actually creating them on the "
         "hard "
         "drive.\n\nIf You want to Create Folders, use the Create Folders button."},
        {&texts.RenameSimulationIntroText,
         "Simulation shows you the complete Rename Folder process \nwithout actually Rename them on the hard "
         "drive.\n\n"},
        {&texts.RenameSimulationEndText,
         "End of Simulation !!!\n\nNo actual Folders were Renamed because of Simulation.\n\nThe purpose of "
         "the "
         "Simulation is to show the Complete Folder Renaming process\n without actually Renaming them on the "
         "hard "
         "drive.\n\nIf You want to Rename Folders, Use the Rename Folders button."},
        {&texts.DeleteSimulationIntroText, "Simulation shows you the complete Delete Folder/File process "
                                           "\nwithout actually Delete them on the hard "
                                           "drive.\n\nThis allows you to see the process in real time, "
                                           "eliminate errors or export\nResult Folder "
                                           "lists - all without compromising existing Folder "
                                           "Structures.\n\nNote: If the <Select Files> button is "
                                           "active, only the Selected Files will be used."},
        {&texts.DeleteSimulationEndText,
         "End of Simulation !!!\n\nNo actual Folders were Deleted because of Simulation (Test Mode).\n\nThe "
         "purpose of the Simulation is to show the Complete Folder Deleting process\n without actually "
         "deleting "
         "them on the hard drive.\n\nIf You want to Delete Folders/Files, Use the Delete Folders button."},
        {&texts.CopySimulationIntroText,
         "Simulation shows you the complete Copy Folder Structure(s) process \nwithout actually Copy them on "
         "the "
         "hard drive.\n\nThis allows you to see the process in real time, eliminate errors or export\nResult "
         "Folder lists - all without compromising existing Folder Structures.\n\nNote: If the <Select Files> "
         "button is active, only the Selected Files will be used."},
        {&texts.CopySimulationEndText,
         "End of Simulation !!!\n\nNo actual Folders/Files were copied because of Simulation (Test "
         "Mode).\n\nThe "
         "purpose of the Simulation is to show the Complete Folder Copy process\n without actually Copy them "
         "on "
         "the hard drive.\n\nIf You want to Copy Folder Structures, Use the Copy Folders button."},
        {&texts.SelectFilesHintText,
         "You can Select File Names/Types by Clicking on the <Select Files> button."},
        {&texts.AllFileTypesText, "All."},
        {&texts.UserSelectedFileTypesText, "User Selected."},
    };
    for (const auto& [text, wanted] : expected)
        EXPECT_EQ(*text, wanted);
}

TEST_F(StartUpTest, ExitLeavesTheCurrentDirectoryAsItFoundIt) {
    DriveSandbox sandbox("C");
    sandbox.MakeFolder("C:\\Start");
    sandbox.MakeFolder("C:\\Elsewhere");
    ScriptedDesktop desktop;
    StartIn("C:\\Start");
    ASSERT_TRUE(platform::SetCurrentDirectoryA("C:\\Elsewhere"));

    frmMain->FormDestroy();

    EXPECT_EQ(platform::GetCurrentDirectoryA(), "C:\\Elsewhere");
    EXPECT_TRUE(desktop.Boxes().empty());
}

} // namespace
