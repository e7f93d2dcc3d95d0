// The bytes of the settings file: record size, field offsets, the order of the
// record types, the blank written for empty texts and the end record.

#include "SettingsRecordBytes.h"
#include "common/SettingLists.h"
#include "common/SettingsFile.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"
#include "support/SharedSettingsGuard.h"

#include <gtest/gtest.h>

#include <map>

using namespace testsupport;

namespace {

class SettingsLayout : public ::testing::Test {
protected:
    SettingsLayout() {
        sandbox.MakeFolder("C:\\Settings");
        SetStartDirectory("C:\\Settings");
    }

    std::string SaveAndReadBytes() {
        SettingsWriter writer("");
        EXPECT_TRUE(writer.Save());
        return sandbox.Read("C:\\Settings\\default.set");
    }

    SharedSettingsGuard settings;
    DriveSandbox sandbox{"C"};
    ScriptedDesktop desktop;
};

std::string Field(const std::string& text, size_t size) {
    std::string field(size, '\0');
    field.replace(0, text.size(), text);
    return field;
}

} // namespace

TEST(SettingsRecordBytes, FieldsSitAtTheirOffsetsInLittleEndian) {
    SettingsRecord record;
    record.type = 0x01020304;
    record.SetKey("ABCDEFGHIJKL");
    record.SetValue("xyz");
    record.number = -2;
    const SettingsRecord::Bytes bytes = record.ToBytes();
    const std::string raw(bytes.begin(), bytes.end());

    ASSERT_EQ(raw.size(), 5312u);
    EXPECT_EQ(raw.substr(0, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(raw.substr(4, 10), "ABCDEFGHIJ"); // cut to the field, no terminator
    EXPECT_EQ(raw.substr(14, 5262), Field("xyz", 5262));
    EXPECT_EQ(raw.substr(5276, 4), std::string("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(raw.substr(5280, 32), std::string(32, '\0'));

    const SettingsRecord back = SettingsRecord::FromBytes(bytes);
    EXPECT_EQ(back.type, 0x01020304);
    EXPECT_EQ(back.Value(), "xyz");
    EXPECT_EQ(back.number, -2);
}

TEST_F(SettingsLayout, TwoSeparatorsAndNoQuotationMarksGiveTheDocumentedSequence) {
    ReplaceSeparatorList({",", ";"});
    const std::string bytes = SaveAndReadBytes();

    EXPECT_EQ(bytes.size() % 5312, 0u);
    const std::vector<RawRecord> records = SplitRawRecords(bytes);
    EXPECT_EQ(TypesOf(records),
              (std::vector<int32_t>{1, 2, 3, 4, 4, 5, 7, 8, 9, 12, 13, 14, 15, 16, 20, 21, 24, 25, 900}));
    EXPECT_EQ(bytes.size(), records.size() * 5312);
    ASSERT_EQ(records.size(), 19u);
    EXPECT_EQ(records[3].Value(), ",");
    EXPECT_EQ(records[4].Value(), ";");
    for (const RawRecord& record : records)
        EXPECT_EQ(record.reserved, std::string(32, '\0')) << "type " << record.type;
}

TEST_F(SettingsLayout, EveryTypeCarriesItsKeyValueAndNumber) {
    SetHelpFileBaseName("FOLDERSMITH");
    ReplaceSeparatorList({"|"});
    SetSelectedSeparator(";");
    ReplaceQuotationMarkList({"'"});
    SetSelectedQuotationMark("'");
    SetFileNamesModeSelected(0);
    SetFileTypesModeSelected(1);
    SetFileNamePatternText("*.txt");
    SetFileNamePatternList({"*.txt"});
    SetFileNameHistoryList({"*.doc"});
    SetAllTypesSelected(0);
    SetIncludedTypesSelected(1);
    SetExcludedTypesSelected(1);
    SetSelectOneTypeSelected(1);
    SetSelectOneTypeText("pdf");
    SetSelectOneTypeIndex(7);
    SetIncludedTypeList({"doc"});
    SetExcludedTypeList({"bak"});
    ReplaceKnownTypeList({"exe"});
    SetIncludeTermsChecked(1);
    SetIncludeTermsText("draft");
    SetIncludeTermsList({"draft"});
    SetIncludeTermsHistoryList({"old draft"});
    SetExcludeTermsChecked(1);
    SetExcludeTermsText("copy");
    SetExcludeTermsList({"copy"});
    SetExcludeTermsHistoryList({"old copy"});

    const std::vector<RawRecord> records = SplitRawRecords(SaveAndReadBytes());

    struct Expected {
        int32_t type;
        std::string key;
        std::string value;
        int32_t number;
    };
    const std::vector<Expected> expected = {
        {1, "APPNAME", "FOLDERSMITH", 0}, {2, "DEFDIRECTR", "C:\\Settings", 0},
        {3, "SELSEDELIM", ";", 0},        {4, "DELIMLIST", "|", 0},
        {5, "SELSEQUOT", "'", 0},         {6, "QUOTLIST", "'", 0},
        {7, "FMNAMESRDO", "", 0},         {8, "FMNAMESRDO", "", 1},
        {9, "FMNAMESTXT", "*.txt", 0},    {10, "FMDEQINC", "*.txt", 0},
        {11, "FMDEQINC", "*.doc", 0},     {12, "FMALLTYPES", "", 0},
        {13, "FMINCTYPES", "", 1},        {14, "FMINCTYPES", "", 1},
        {15, "FMONETYPES", "", 1},        {16, "FMONEFILE", "pdf", 7},
        {17, "FMDEQINC", "doc", 0},       {18, "FMDEQEXC", "bak", 0},
        {19, "FMDEQEXC", "exe", 0},       {20, "FMINCCHECK", "", 1},
        {21, "FMNAMESTXT", "draft", 0},   {22, "FMDEQINC", "draft", 0},
        {23, "FMDEQINC", "old draft", 0}, {24, "FMINCCHECK", "", 1},
        {25, "FMNAMESTXT", "copy", 0},    {26, "FMDEQINC", "copy", 0},
        {27, "FMDEQINC", "old copy", 0},  {900, "VEGVEGEVE", "", 0},
    };
    ASSERT_EQ(records.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i));
        EXPECT_EQ(records[i].type, expected[i].type);
        EXPECT_EQ(records[i].key, Field(expected[i].key, 10));
        EXPECT_EQ(records[i].valueField, Field(expected[i].value, 5262));
        EXPECT_EQ(records[i].number, expected[i].number);
    }
}

TEST_F(SettingsLayout, EmptyTextsAreWrittenAsOneBlank) {
    SetHelpFileBaseName("");
    SetStartDirectory("C:\\Settings");
    SetSelectedSeparator("");
    SetSelectedQuotationMark("");
    SetFileNamePatternText(" \t ");
    SetIncludeTermsText("   ");
    SetExcludeTermsText("");
    SetSelectOneTypeText(""); // written unchanged, so it stays empty

    std::map<int32_t, std::string> values;
    for (const RawRecord& record : SplitRawRecords(SaveAndReadBytes()))
        values[record.type] = record.Value();

    EXPECT_EQ(values[1], " ");
    EXPECT_EQ(values[3], " ");
    EXPECT_EQ(values[5], " ");
    EXPECT_EQ(values[9], " ");
    EXPECT_EQ(values[21], " ");
    EXPECT_EQ(values[25], " ");
    EXPECT_EQ(values[16], "");

    // An empty start directory too, saved under a name of its own.
    SetStartDirectory("");
    {
        SettingsWriter writer("C:\\Settings\\named.set");
        ASSERT_TRUE(writer.Save());
    }
    const std::vector<RawRecord> named = SplitRawRecords(sandbox.Read("C:\\Settings\\named.set"));
    ASSERT_GE(named.size(), 2u);
    EXPECT_EQ(named[1].type, 2);
    EXPECT_EQ(named[1].valueField, Field(" ", 5262));
}
