#include "common/FolderListNormaliser.h"

#include <gtest/gtest.h>

namespace {

using Items = std::deque<std::string>;

struct Example {
    Items items;
    Items expected;
};

TEST(FolderListNormaliser, TopLevelListKeepsOnlyOutermostFolders) {
    const Example examples[] = {
        {{"C:\\A", "C:\\A\\B", "c:\\a\\b\\c", "D:\\X"}, {"C:\\A", "D:\\X"}},
        // C:\AB does not lie inside C:\A.
        {{"C:\\A", "C:\\AB"}, {"C:\\A", "C:\\AB"}},
        // The same folder apart from case and a trailing backslash goes too.
        {{"C:\\A", "c:\\a\\"}, {"C:\\A"}},
        // A kept folder with a trailing backslash only takes items that go on
        // with another backslash.
        {{"C:\\A\\", "C:\\A\\B"}, {"C:\\A\\", "C:\\A\\B"}},
        {{"C:\\A\\", "C:\\A\\\\B"}, {"C:\\A\\"}},
        // Shallow items first, equal depths in byte order; blank ones dropped.
        {{"  ", "D:\\b\\c", "D:\\a", "C:\\z", "", "D:\\b\\c"}, {"C:\\z", "D:\\a", "D:\\b\\c"}},
        // A slash counts as a backslash for the depth only.
        {{"C:/A/B", "C:\\A"}, {"C:\\A", "C:/A/B"}},
        // Letters beyond A-Z are compared ignoring case too.
        {{"C:\\Ärger", "C:\\ärger\\x"}, {"C:\\Ärger"}},
        {{}, {}},
    };
    for (const Example& example : examples) {
        FolderListNormaliser normaliser(example.items);
        normaliser.BuildTopLevelList();
        EXPECT_EQ(normaliser.GetResult(), example.expected) << ::testing::PrintToString(example.items);
    }
}

TEST(FolderListNormaliser, UniqueListIsEveryDistinctNonBlankItemInByteOrder) {
    const Example examples[] = {
        {{"b", "a", "b", " "}, {"a", "b"}},
        {{"C:\\Data", "c:\\data"}, {"C:\\Data", "c:\\data"}},
        // Items are kept untrimmed; only blanks make an item blank.
        {{" x ", "x", "\t"}, {"\t", " x ", "x"}},
        {{}, {}},
    };
    for (const Example& example : examples) {
        FolderListNormaliser normaliser(example.items);
        normaliser.BuildUniqueList();
        EXPECT_EQ(normaliser.GetResult(), example.expected) << ::testing::PrintToString(example.items);
    }
}

TEST(FolderListNormaliser, ItemsOfAnyLength) {
    const std::string longFolder = "C:\\" + std::string(5000, 'a');
    FolderListNormaliser normaliser({longFolder + "\\" + std::string(300, 'b'), longFolder});
    normaliser.BuildTopLevelList();
    EXPECT_EQ(normaliser.GetResult(), Items{longFolder});
}

} // namespace
