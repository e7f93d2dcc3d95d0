// The shared setting lists: copies out, replacing setters, appending accessors.

#include "common/SettingLists.h"
#include "SharedSettingsGuard.h"

#include <gtest/gtest.h>

using namespace testsupport;
using TextList = std::deque<std::string>;

TEST(SettingLists, GettersHandOutIndependentCopies) {
    SharedSettingsGuard settings;
    AddToSeparatorList(",");
    TextList copy = GetSeparatorList();
    copy.push_back(";");
    copy.front() = "changed";
    EXPECT_EQ(GetSeparatorList(), TextList{","});

    SetIncludedTypeList({"doc"});
    TextList types = GetIncludedTypeList();
    types.clear();
    EXPECT_EQ(GetIncludedTypeList(), TextList{"doc"});
}

TEST(SettingLists, AppendingKeepsDuplicatesAndBlanksAsGiven) {
    SharedSettingsGuard settings;
    AddToQuotationMarkList("'");
    AddTextToQuotationMarkList("'");
    AddToQuotationMarkList(" ' ");
    AddTextToQuotationMarkList("");
    EXPECT_EQ(GetQuotationMarkList(), (TextList{"'", "'", " ' ", ""}));

    AddTextToFileNamePatternList("*.*");
    AddToFileNamePatternList("*.*");
    EXPECT_EQ(GetFileNamePatternList(), (TextList{"*.*", "*.*"}));
}

TEST(SettingLists, EachListIsItsOwn) {
    SharedSettingsGuard settings;
    AddToIncludeTermsList("in");
    AddToIncludeTermsHistoryList("history");
    AddToExcludeTermsList("out");
    EXPECT_EQ(GetIncludeTermsList(), TextList{"in"});
    EXPECT_EQ(GetIncludeTermsHistoryList(), TextList{"history"});
    EXPECT_EQ(GetExcludeTermsList(), TextList{"out"});
    EXPECT_TRUE(GetExcludeTermsHistoryList().empty());
    EXPECT_TRUE(GetFileNameHistoryList().empty());
}
