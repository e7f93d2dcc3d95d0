// Saving and loading the settings file: the round trip, what a load replaces
// and keeps, the file name rules, unreadable files and long values.

#include "common/SettingsFile.h"
#include "SettingsRecordBytes.h"
#include "common/SettingLists.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"
#include "support/SharedSettingsGuard.h"

#include <gtest/gtest.h>

using namespace testsupport;
using TextList = std::deque<std::string>;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    SettingsFile() {
        sandbox.MakeFolder("C:\\Settings");
        SetStartDirectory("C:\\Settings");
    }

    static void Save() {
        SettingsWriter writer("");
        EXPECT_TRUE(writer.Save());
    }
    static void Load(const std::string& fileName = "") {
        SettingsReader reader(fileName);
        reader.ClearAll();
        reader.Load();
    }
    void WriteFile(const std::string& bytes) const { sandbox.MakeFile("C:\\Settings\\default.set", bytes); }

    SharedSettingsGuard settings;
    DriveSandbox sandbox{"CD"};
    ScriptedDesktop desktop;
};

void FillEveryValue() {
    SetHelpFileBaseName("Foldersmith");
    SetSelectedSeparator("space");
    ReplaceSeparatorList({",", "space", "\"", ",", "ü"});
    SetSelectedQuotationMark("'");
    ReplaceQuotationMarkList({"'", "\""});
    SetFileNamesModeSelected(0);
    SetFileTypesModeSelected(1);
    SetFileNamePatternText("\"my file.doc\" *.txt");
    SetFileNamePatternList({"my file.doc", "*.txt"});
    SetFileNameHistoryList({"*.*", "\"my file.doc\" *.txt"});
    SetAllTypesSelected(0);
    SetIncludedTypesSelected(1);
    SetExcludedTypesSelected(0);
    SetSelectOneTypeSelected(1);
    SetSelectOneTypeText("pdf");
    SetSelectOneTypeIndex(-3);
    SetIncludedTypeList({"doc", "iqy", "iqy"});
    SetExcludedTypeList({"bak", "Ärger"});
    ReplaceKnownTypeList({"exe", "日本"});
    SetIncludeTermsChecked(1);
    SetIncludeTermsText("draft");
    SetIncludeTermsList({"draft", "final"});
    SetIncludeTermsHistoryList({"draft final"});
    SetExcludeTermsChecked(1);
    SetExcludeTermsText("copy");
    SetExcludeTermsList({"copy"});
    SetExcludeTermsHistoryList({"copy", "old"});
}

void ExpectEveryValue() {
    EXPECT_EQ(GetHelpFileBaseName(), "Foldersmith");
    EXPECT_EQ(GetStartDirectory(), "C:\\Settings");
    EXPECT_EQ(GetSelectedSeparator(), "space");
    EXPECT_EQ(GetSeparatorList(), (TextList{",", "space", "\"", ",", "ü"}));
    EXPECT_EQ(GetSelectedQuotationMark(), "'");
    EXPECT_EQ(GetQuotationMarkList(), (TextList{"'", "\""}));
    EXPECT_EQ(GetFileNamesModeSelected(), 0);
    EXPECT_EQ(GetFileTypesModeSelected(), 1);
    EXPECT_EQ(GetFileNamePatternText(), "\"my file.doc\" *.txt");
    EXPECT_EQ(GetFileNamePatternList(), (TextList{"my file.doc", "*.txt"}));
    EXPECT_EQ(GetFileNameHistoryList(), (TextList{"*.*", "\"my file.doc\" *.txt"}));
    EXPECT_EQ(GetAllTypesSelected(), 0);
    EXPECT_EQ(GetIncludedTypesSelected(), 1);
    EXPECT_EQ(GetExcludedTypesSelected(), 0);
    EXPECT_EQ(GetSelectOneTypeSelected(), 1);
    EXPECT_EQ(GetSelectOneTypeText(), "pdf");
    EXPECT_EQ(GetSelectOneTypeIndex(), -3);
    EXPECT_EQ(GetIncludedTypeList(), (TextList{"doc", "iqy", "iqy"}));
    EXPECT_EQ(GetExcludedTypeList(), (TextList{"bak", "Ärger"}));
    EXPECT_EQ(GetKnownTypeList(), (TextList{"exe", "日本"}));
    EXPECT_EQ(GetIncludeTermsChecked(), 1);
    EXPECT_EQ(GetIncludeTermsText(), "draft");
    EXPECT_EQ(GetIncludeTermsList(), (TextList{"draft", "final"}));
    EXPECT_EQ(GetIncludeTermsHistoryList(), (TextList{"draft final"}));
    EXPECT_EQ(GetExcludeTermsChecked(), 1);
    EXPECT_EQ(GetExcludeTermsText(), "copy");
    EXPECT_EQ(GetExcludeTermsList(), (TextList{"copy"}));
    EXPECT_EQ(GetExcludeTermsHistoryList(), (TextList{"copy", "old"}));
}

} // namespace

TEST_F(SettingsFile, SaveThenLoadGivesBackEveryValue) {
    FillEveryValue();
    Save();
    SharedSettingsGuard::ResetToStart();
    SetStartDirectory("C:\\Settings");
    Load();
    ExpectEveryValue();
}

TEST_F(SettingsFile, LoadingTwiceKeepsEachItemOnce) {
    FillEveryValue();
    Save();
    Load();
    Load();
    ExpectEveryValue();
}

TEST_F(SettingsFile, ABlankWrittenForAnEmptyTextComesBackAsTheTypeSays) {
    SetHelpFileBaseName("");
    SetIncludeTermsText(" \t ");
    SetExcludeTermsText("");
    Save();
    Load();
    EXPECT_EQ(GetHelpFileBaseName(), " ");
    EXPECT_EQ(GetIncludeTermsText(), "");
    EXPECT_EQ(GetExcludeTermsText(), "");
}

TEST_F(SettingsFile, TermTextsAreTrimmedWhenRead) {
    WriteFile(MakeRawRecord(21, "\t draft \r") + MakeRawRecord(25, " copy") + MakeRawRecord(9, " *.txt "));
    Load();
    EXPECT_EQ(GetIncludeTermsText(), "draft");
    EXPECT_EQ(GetExcludeTermsText(), "copy");
    EXPECT_EQ(GetFileNamePatternText(), " *.txt "); // other texts come back as stored
}

TEST_F(SettingsFile, AFileWithoutQuotationMarkRecordsEmptiesTheListButKeepsTheChoice) {
    ReplaceQuotationMarkList({"'", "\""});
    SetSelectedQuotationMark("'");
    WriteFile(MakeRawRecord(4, ",") + MakeRawRecord(900, ""));
    Load();
    EXPECT_TRUE(GetQuotationMarkList().empty());
    EXPECT_EQ(GetSelectedQuotationMark(), "'");
    EXPECT_EQ(GetSeparatorList(), TextList{","});
}

TEST_F(SettingsFile, TextsAndNumbersTheFileLacksKeepTheirValues) {
    SetHelpFileBaseName("kept");
    SetSelectOneTypeIndex(5);
    SetIncludedTypeList({"gone"});
    WriteFile(MakeRawRecord(3, ";") + MakeRawRecord(12, "", 0));
    Load();
    EXPECT_EQ(GetHelpFileBaseName(), "kept");
    EXPECT_EQ(GetSelectOneTypeIndex(), 5);
    EXPECT_EQ(GetSelectedSeparator(), ";");
    EXPECT_EQ(GetAllTypesSelected(), 0);
    EXPECT_TRUE(GetIncludedTypeList().empty());
}

TEST_F(SettingsFile, WithoutClearAllALoadAppendsToTheLists) {
    ReplaceSeparatorList({"x"});
    WriteFile(MakeRawRecord(4, ","));
    SettingsReader reader("");
    reader.Load();
    EXPECT_EQ(GetSeparatorList(), (TextList{"x", ","}));
}

TEST_F(SettingsFile, RecordsAfterTheEndRecordAreStillRead) {
    WriteFile(MakeRawRecord(4, ",") + MakeRawRecord(900, "") + MakeRawRecord(4, ";") +
              MakeRawRecord(2, "D:\\"));
    Load();
    EXPECT_EQ(GetSeparatorList(), (TextList{",", ";"}));
    EXPECT_EQ(GetStartDirectory(), "D:\\");
}

TEST_F(SettingsFile, AStoredStartDirectoryNamesTheFileOfLaterLoadsAndSaves) {
    sandbox.MakeFolder("D:\\Elsewhere");
    WriteFile(MakeRawRecord(2, "D:\\Elsewhere"));
    Load();
    ASSERT_EQ(GetStartDirectory(), "D:\\Elsewhere");
    SetHelpFileBaseName("moved");
    Save();
    EXPECT_TRUE(sandbox.Exists("D:\\Elsewhere\\default.set"));
    SetHelpFileBaseName("");
    Load();
    EXPECT_EQ(GetHelpFileBaseName(), "moved");
}

TEST_F(SettingsFile, AStartDirectoryEndingInABackslashStillFindsTheFile) {
    SetStartDirectory("D:\\");
    SetHelpFileBaseName("root");
    Save();
    EXPECT_TRUE(sandbox.Exists("D:\\default.set"));
    SetHelpFileBaseName("");
    Load();
    EXPECT_EQ(GetHelpFileBaseName(), "root");
}

TEST_F(SettingsFile, AGivenFileNameIsUsedWithoutItsSurroundingBlanks) {
    SetHelpFileBaseName("named");
    {
        SettingsWriter writer("  D:\\my.set ");
        EXPECT_TRUE(writer.Save());
    }
    EXPECT_TRUE(sandbox.Exists("D:\\my.set"));
    EXPECT_FALSE(sandbox.Exists("C:\\Settings\\default.set"));
    SetHelpFileBaseName("");
    Load("D:\\my.set  ");
    EXPECT_EQ(GetHelpFileBaseName(), "named");
    EXPECT_EQ(SettingsFileName("   "), "C:\\Settings\\default.set");
}

// A reader that cannot open its file must not wipe the lists the user has:
// the next save would otherwise store them empty.
TEST_F(SettingsFile, AFileThatCannotBeOpenedChangesNothing) {
    FillEveryValue();
    SetStartDirectory("C:\\Settings");
    for (const std::string& name :
         {std::string("C:\\Settings\\missing.set"), std::string("C:\\NoSuchFolder\\x.set"),
          std::string("Q:\\default.set"), std::string("C:\\Settings\\folder.set")}) {
        SCOPED_TRACE(name);
        sandbox.MakeFolder("C:\\Settings\\folder.set");
        SettingsReader reader(name);
        EXPECT_FALSE(reader.IsOpen());
        reader.ClearAll();
        reader.Load();
        ExpectEveryValue();
    }
}

TEST_F(SettingsFile, AStartDirectoryThatNoLongerExistsChangesNothing) {
    FillEveryValue();
    SetStartDirectory("C:\\Gone");
    Load();
    SetStartDirectory("C:\\Settings");
    ExpectEveryValue();
}

// A damaged file may hold a value field without its zero byte: the value ends
// with the field, never in the number or the next record.
TEST_F(SettingsFile, AValueWithoutItsZeroByteEndsWithTheField) {
    const std::string full(5262, 'v');
    WriteFile(MakeRawRecord(4, full, 0x41414141) + MakeRawRecord(6, std::string(5262, 'q')));
    Load();
    EXPECT_EQ(GetSeparatorList(), TextList{full});
    EXPECT_EQ(GetQuotationMarkList(), TextList{std::string(5262, 'q')});
}

// Longer values are cut so that the terminating zero byte always fits, and a
// UTF-8 character is never split.
TEST_F(SettingsFile, LongValuesAreCutAt5261BytesOnACharacterBoundary) {
    const std::string exact(5261, 'a');
    const std::string ascii(7000, 'b');
    const std::string twoByte = std::string(5260, 'c') + "é";         // é would end at byte 5262
    const std::string threeByte = std::string(5259, 'd') + "€" + "x"; // € would end at byte 5262
    const std::string fourByte = std::string(5258, 'e') + "𝄞";        // 𝄞 would end at byte 5262
    const std::string fits = std::string(5259, 'f') + "é";            // ends exactly at 5261
    SetIncludeTermsList({exact, ascii, twoByte, threeByte, fourByte, fits});
    SettingsWriter writer("");
    ASSERT_TRUE(writer.Save());

    TextList stored;
    for (const RawRecord& record : SplitRawRecords(sandbox.Read("C:\\Settings\\default.set")))
        if (record.type == 22) {
            EXPECT_EQ(record.valueField[5261], '\0');
            stored.push_back(record.Value());
        }
    const TextList expected = {
        exact, std::string(5261, 'b'), std::string(5260, 'c'), std::string(5259, 'd'), std::string(5258, 'e'),
        fits};
    EXPECT_EQ(stored, expected);
    SetIncludeTermsList({});
    Load();
    EXPECT_EQ(GetIncludeTermsList(), expected);
}

TEST_F(SettingsFile, InvalidUtf8IsCutAtTheByteLimit) {
    // Continuation bytes with no lead byte are characters of their own.
    const std::string stray = std::string(5255, 'g') + std::string(10, '\x80');
    SetExcludeTermsList({stray});
    Save();
    SetExcludeTermsList({});
    Load();
    EXPECT_EQ(GetExcludeTermsList(), TextList{stray.substr(0, 5261)});
}
