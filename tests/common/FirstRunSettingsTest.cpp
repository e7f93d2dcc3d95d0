// The settings a first run fills in and writes when no settings file exists.

#include "common/FirstRunSettings.h"
#include "SettingsRecordBytes.h"
#include "SharedSettingsGuard.h"
#include "common/DefaultFileTypes.h"
#include "common/SettingLists.h"
#include "common/SettingsFile.h"
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace testsupport;
using TextList = std::deque<std::string>;

namespace {

const TextList kSymbols = {",", ";", "space", "\"", "'", "|", "~", ":", "#",
                           "&", "@", "$",     "<",  ">", ".", "-", "_"};

size_t CountOf(const TextList& list, const std::string& item) {
    return static_cast<size_t>(std::count(list.begin(), list.end(), item));
}

} // namespace

TEST(FirstRunSettings, FillsTheSymbolListsAndTheFileTypes) {
    SharedSettingsGuard settings;
    ApplyFirstRunDefaults();

    EXPECT_EQ(GetSeparatorList(), kSymbols);
    EXPECT_EQ(GetQuotationMarkList(), kSymbols);
    EXPECT_EQ(GetFileNamePatternList(), TextList{"*.*"});

    const TextList included = GetIncludedTypeList();
    ASSERT_EQ(included.size(), 172u);
    EXPECT_EQ(included.front(), "doc");
    EXPECT_EQ(included[1], "pdf");
    EXPECT_EQ(included.back(), "yy");
    EXPECT_EQ(CountOf(included, "iqy"), 2u);

    EXPECT_EQ(GetExcludedTypeList(), (TextList{"bak", "nt", "old", "org", "sav"}));

    const TextList known = GetKnownTypeList();
    ASSERT_EQ(known.size(), 215u);
    EXPECT_EQ(known.front(), "exe");
    EXPECT_EQ(known.back(), "xlt");
    EXPECT_EQ(CountOf(known, "ttf"), 2u);
    EXPECT_EQ(CountOf(known, "wa~"), 1u);
    EXPECT_EQ(CountOf(known, "dll_"), 1u);

    // Every entry is a bare extension: no dot, no blank, nothing empty.
    for (const auto& list : {DefaultIncludedTypes(), DefaultExcludedTypes(), DefaultKnownTypes()})
        for (const char* type : list) {
            const std::string text = type;
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(text.find_first_of(". \t"), std::string::npos) << text;
        }
}

TEST(FirstRunSettings, ReplacesTheSymbolListsButAppendsTheTypes) {
    SharedSettingsGuard settings;
    ReplaceSeparatorList({"old"});
    ReplaceQuotationMarkList({"old"});
    SetIncludedTypeList({"mine"});
    SetFileNamePatternList({"*.txt"});
    ApplyFirstRunDefaults();

    EXPECT_EQ(GetSeparatorList(), kSymbols);
    EXPECT_EQ(GetQuotationMarkList(), kSymbols);
    EXPECT_EQ(GetIncludedTypeList().size(), 173u);
    EXPECT_EQ(GetIncludedTypeList().front(), "mine");
    EXPECT_EQ(GetFileNamePatternList(), TextList{"*.txt"});
}

TEST(FirstRunSettings, TheWrittenFileHoldsTheDefaultsAndLoadsBack) {
    SharedSettingsGuard settings;
    DriveSandbox sandbox("C");
    ScriptedDesktop desktop;
    SetStartDirectory("C:\\");
    ApplyFirstRunDefaults();
    {
        SettingsWriter writer("");
        ASSERT_TRUE(writer.Save());
    }

    const std::vector<RawRecord> records = SplitRawRecords(sandbox.Read("C:\\default.set"));
    // 7 texts, 8 numbers and the type-16 pair, 17 + 17 symbols, one pattern,
    // 172 + 5 + 215 types and the end record.
    EXPECT_EQ(records.size(), 7u + 8u + 1u + 34u + 1u + 392u + 1u);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().type, 900);

    SharedSettingsGuard::ResetToStart();
    SetStartDirectory("C:\\");
    SettingsReader reader("");
    reader.ClearAll();
    reader.Load();
    EXPECT_EQ(GetSeparatorList(), kSymbols);
    EXPECT_EQ(GetQuotationMarkList(), kSymbols);
    EXPECT_EQ(GetIncludedTypeList().size(), 172u);
    EXPECT_EQ(GetExcludedTypeList().size(), 5u);
    EXPECT_EQ(GetKnownTypeList().size(), 215u);
    EXPECT_EQ(GetFileNamePatternList(), TextList{"*.*"});
    EXPECT_EQ(GetFileNamesModeSelected(), 1);
    EXPECT_EQ(GetAllTypesSelected(), 1);
    EXPECT_EQ(GetFileNamePatternText(), "*.*");
    EXPECT_EQ(GetStartDirectory(), "C:\\");
}
