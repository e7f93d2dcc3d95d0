// The shared setting lists: copies out, replacing setters, appending accessors.

#include "common/SettingLists.h"
#include "support/SharedSettingsGuard.h"

#include <gtest/gtest.h>

using namespace testsupport;
using TextList = std::deque<std::string>;

namespace {

// The values as the program finds them when it starts, taken before main and
// so before any test could change them.
struct ValuesAtStart {
    std::string texts[8] = {GetHelpFileBaseName(),      GetStartDirectory(),      GetSelectedSeparator(),
                            GetSelectedQuotationMark(), GetFileNamePatternText(), GetSelectOneTypeText(),
                            GetIncludeTermsText(),      GetExcludeTermsText()};
    size_t listItems =
        GetSeparatorList().size() + GetQuotationMarkList().size() + GetFileNamePatternList().size() +
        GetFileNameHistoryList().size() + GetKnownTypeList().size() + GetIncludedTypeList().size() +
        GetExcludedTypeList().size() + GetIncludeTermsList().size() + GetIncludeTermsHistoryList().size() +
        GetExcludeTermsList().size() + GetExcludeTermsHistoryList().size();
    int flags[9] = {GetFileNamesModeSelected(), GetFileTypesModeSelected(), GetAllTypesSelected(),
                    GetIncludedTypesSelected(), GetExcludedTypesSelected(), GetSelectOneTypeSelected(),
                    GetSelectOneTypeIndex(),    GetIncludeTermsChecked(),   GetExcludeTermsChecked()};
};
const ValuesAtStart atStart;

} // namespace

TEST(SettingLists, AtStartOnlyTheSeparatorQuotationMarkPatternAndTwoChoicesAreSet) {
    EXPECT_EQ(atStart.texts[0], "");
    EXPECT_EQ(atStart.texts[1], "");
    EXPECT_EQ(atStart.texts[2], ",");
    EXPECT_EQ(atStart.texts[3], "\"");
    EXPECT_EQ(atStart.texts[4], "*.*");
    EXPECT_EQ(atStart.texts[5], "");
    EXPECT_EQ(atStart.texts[6], "");
    EXPECT_EQ(atStart.texts[7], "");
    EXPECT_EQ(atStart.listItems, 0u);
    // File names mode and all types selected; the other seven choices off.
    const int expected[9] = {1, 0, 1, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(atStart.flags[i], expected[i]) << "choice " << i;
}

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
