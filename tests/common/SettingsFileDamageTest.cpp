// Damaged settings files: cut off, unknown types, huge numbers, no zero bytes,
// random bytes. Whatever the file holds, the reader applies its whole records
// by type, never reads past a field, and ignores the rest.

#include "SettingsRecordBytes.h"
#include "common/SettingLists.h"
#include "common/SettingsFile.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"
#include "support/SharedSettingsGuard.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>

using namespace testsupport;
using TextList = std::deque<std::string>;

namespace {

class DamagedSettings : public ::testing::Test {
protected:
    DamagedSettings() {
        sandbox.MakeFolder("C:\\Settings");
        SetStartDirectory("C:\\Settings");
    }
    void LoadBytes(const std::string& bytes) {
        sandbox.MakeFile("C:\\Settings\\default.set", bytes);
        SettingsReader reader("");
        ASSERT_TRUE(reader.IsOpen());
        reader.ClearAll();
        reader.Load();
    }

    SharedSettingsGuard settings;
    DriveSandbox sandbox{"C"};
    ScriptedDesktop desktop;
};

} // namespace

TEST_F(DamagedSettings, ACutOffFileKeepsTheWholeRecordsBeforeTheCut) {
    const std::string partial = MakeRawRecord(4, "lost").substr(0, 5311);
    LoadBytes(MakeRawRecord(4, ",") + MakeRawRecord(3, ";") + partial);
    EXPECT_EQ(GetSeparatorList(), TextList{","});
    EXPECT_EQ(GetSelectedSeparator(), ";");
}

TEST_F(DamagedSettings, AnEmptyFileEmptiesTheListsAndKeepsTheTexts) {
    ReplaceSeparatorList({","});
    SetHelpFileBaseName("kept");
    LoadBytes("");
    EXPECT_TRUE(GetSeparatorList().empty());
    EXPECT_EQ(GetHelpFileBaseName(), "kept");
}

TEST_F(DamagedSettings, UnknownTypesAreSkipped) {
    std::string bytes;
    for (int32_t type : {0, 42, -1, 28, 899, 901, INT32_MAX, INT32_MIN})
        bytes += MakeRawRecord(type, "junk", 1);
    bytes += MakeRawRecord(6, "'");
    LoadBytes(bytes);
    EXPECT_EQ(GetQuotationMarkList(), TextList{"'"});
    EXPECT_TRUE(GetSeparatorList().empty());
    EXPECT_EQ(GetHelpFileBaseName(), "");
}

TEST_F(DamagedSettings, HugeNumbersAreTakenAsStored) {
    LoadBytes(MakeRawRecord(7, "", INT32_MAX) + MakeRawRecord(16, "pdf", INT32_MIN) +
              MakeRawRecord(24, "ignored", -1));
    EXPECT_EQ(GetFileNamesModeSelected(), INT32_MAX);
    EXPECT_EQ(GetSelectOneTypeIndex(), INT32_MIN);
    EXPECT_EQ(GetSelectOneTypeText(), "pdf");
    EXPECT_EQ(GetExcludeTermsChecked(), -1);
}

TEST_F(DamagedSettings, ARecordWithoutAnyZeroByteGivesTheWholeValueField) {
    std::string record(kRecordBytes, '\xFF');
    record.replace(0, 4, std::string("\x0A\0\0\0", 4)); // type 10
    LoadBytes(record + MakeRawRecord(11, "next"));
    EXPECT_EQ(GetFileNamePatternList(), TextList{std::string(5262, '\xFF')});
    EXPECT_EQ(GetFileNameHistoryList(), TextList{"next"});
}

// A seeded, bounded run over generated damaged files. The expected state is
// worked out from the raw records, decoded by the test's own byte layout.
TEST_F(DamagedSettings, RandomDamagedFilesLoadAsTheirWholeRecordsSay) {
    std::mt19937 random(20240607u);
    auto uniform = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto byte = [&](int low) { return static_cast<char>(uniform(low, 255)); };

    const std::map<int32_t, TextList (*)()> listOf = {
        {4, GetSeparatorList},        {6, GetQuotationMarkList},       {10, GetFileNamePatternList},
        {11, GetFileNameHistoryList}, {17, GetIncludedTypeList},       {18, GetExcludedTypeList},
        {19, GetKnownTypeList},       {22, GetIncludeTermsList},       {23, GetIncludeTermsHistoryList},
        {26, GetExcludeTermsList},    {27, GetExcludeTermsHistoryList}};
    const std::map<int32_t, std::string (*)()> textOf = {
        {1, GetHelpFileBaseName},      {2, GetStartDirectory},      {3, GetSelectedSeparator},
        {5, GetSelectedQuotationMark}, {9, GetFileNamePatternText}, {16, GetSelectOneTypeText},
        {21, GetIncludeTermsText},     {25, GetExcludeTermsText}};
    const std::map<int32_t, int (*)()> numberOf = {
        {7, GetFileNamesModeSelected},  {8, GetFileTypesModeSelected},  {12, GetAllTypesSelected},
        {13, GetIncludedTypesSelected}, {14, GetExcludedTypesSelected}, {15, GetSelectOneTypeSelected},
        {16, GetSelectOneTypeIndex},    {20, GetIncludeTermsChecked},   {24, GetExcludeTermsChecked}};
    auto trim = [](const std::string& text) {
        size_t first = 0, last = text.size();
        while (first < last && static_cast<unsigned char>(text[first]) <= 32)
            ++first;
        while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
            --last;
        return text.substr(first, last - first);
    };

    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        SharedSettingsGuard::ResetToStart();
        SetStartDirectory("C:\\Settings");

        std::string bytes;
        if (uniform(0, 9) == 0) {
            bytes.resize(uniform(0, 3 * kRecordBytes));
            for (char& c : bytes)
                c = byte(0);
        } else {
            for (int n = uniform(0, 10); n > 0; --n) {
                const int pick = uniform(0, 9);
                const int32_t type = pick < 7   ? uniform(1, 27)
                                     : pick < 8 ? 900
                                                : static_cast<int32_t>(random()); // anything at all
                std::string value(uniform(0, 3) == 0 ? 5262 : uniform(0, 40), ' ');
                for (char& c : value)
                    c = byte(1);
                std::string record = MakeRawRecord(type, value, static_cast<int32_t>(random()));
                // Garbage after the value's zero byte, in the key and in the reserved bytes.
                for (size_t i = 4; i < 14; ++i)
                    record[i] = byte(0);
                for (size_t i = 14 + value.size() + 1; i < 5276; ++i)
                    record[i] = byte(0);
                for (size_t i = 5280; i < kRecordBytes; ++i)
                    record[i] = byte(0);
                bytes += record;
            }
            bytes += std::string(uniform(0, 1) ? uniform(1, kRecordBytes - 1) : 0, '\x01');
        }

        std::map<int32_t, TextList> lists;
        std::map<int32_t, std::string> texts;
        std::map<int32_t, int> numbers;
        for (const auto& [type, get] : textOf)
            texts[type] = get();
        for (const auto& [type, get] : numberOf)
            numbers[type] = get();
        for (const RawRecord& record : SplitRawRecords(bytes)) {
            if (listOf.count(record.type))
                lists[record.type].push_back(record.Value());
            if (textOf.count(record.type))
                texts[record.type] =
                    record.type == 21 || record.type == 25 ? trim(record.Value()) : record.Value();
            if (numberOf.count(record.type))
                numbers[record.type] = record.number;
        }

        LoadBytes(bytes);
        for (const auto& [type, get] : listOf)
            EXPECT_EQ(get(), lists[type]) << "list of type " << type;
        for (const auto& [type, get] : textOf)
            EXPECT_EQ(get(), texts[type]) << "text of type " << type;
        for (const auto& [type, get] : numberOf)
            EXPECT_EQ(get(), numbers[type]) << "number of type " << type;
        if (HasFailure())
            break;
    }
}
