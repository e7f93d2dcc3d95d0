#include "common/FolderListNormaliser.h"

#include "common/FileHelpers.h"
#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathNormalising.h"
#include "platform/CaseFolding.h"

#include <gtest/gtest.h>

#include <list>
#include <map>
#include <random>
#include <set>

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
        // Items are compared as the folders they name: a trailing or doubled
        // backslash, a slash, "." and "..", blanks around a line.
        {{"C:\\A\\", "C:\\A\\B"}, {"C:\\A\\"}},
        {{"C:\\A\\", "C:\\A\\\\B"}, {"C:\\A\\"}},
        {{"D:/A/B", "d:\\a\\.\\b\\c", "D:\\A\\x\\..\\B\\", "D:\\\\A", " d:\\a\\b "}, {"D:\\\\A"}},
        {{"D:\\A\\..\\B", "d:\\b\\c"}, {"D:\\A\\..\\B"}},
        // A drive's root written twice is one folder; it is not taken as
        // holding the folders of its drive.
        {{"d:", "D:\\", "D:\\A"}, {"D:\\", "D:\\A"}},
        // Shallow items first, equal depths in byte order; blank ones dropped.
        {{"  ", "D:\\b\\c", "D:\\a", "C:\\z", "", "D:\\b\\c"}, {"C:\\z", "D:\\a", "D:\\b\\c"}},
        {{"C:/A/B", "C:\\A"}, {"C:\\A"}},
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

// The top-level pass as first described, on the normal forms of the items:
// take the first remaining item, strike every later one inside it or equal to
// it, repeat.
Items TopLevelPairByPair(const Items& items) {
    std::set<std::string> distinct;
    for (const std::string& item : items) {
        if (!TrimBlanks(item).empty())
            distinct.insert(item);
    }
    std::multimap<unsigned, std::string> byDepth;
    for (const std::string& item : distinct) {
        std::string copy = FolderNormalForm(Trim(item));
        byDepth.emplace(CountBackslashes(copy), item);
    }
    std::list<std::string> work;
    for (const auto& entry : byDepth)
        work.push_back(entry.second);
    Items result;
    while (!work.empty()) {
        const std::string keptItem = work.front();
        const std::string kept = FolderNormalForm(Trim(keptItem));
        work.pop_front();
        result.push_back(keptItem);
        for (auto it = work.begin(); it != work.end();) {
            const std::string normal = FolderNormalForm(Trim(*it));
            // Compared folded: a name and its other case may differ in length.
            const std::string c = platform::FoldCase(IncludeTrailingPathDelimiter(normal));
            const std::string k = platform::FoldCase(kept);
            if (AnsiSameText(normal, kept) ||
                (c.size() > k.size() && c[k.size()] == '\\' && c.compare(0, k.size(), k) == 0))
                it = work.erase(it);
            else
                ++it;
        }
    }
    return result;
}

TEST(FolderListNormaliser, TopLevelListMatchesThePairByPairPassOnRandomLists) {
    // Names that differ in case, also beyond ASCII (the dotless i folds to an
    // ASCII letter, in fewer bytes; the Kelvin sign and the dotted capital I
    // do not), a byte that is not UTF-8, slashes and trailing backslashes.
    const std::vector<std::string> names = {"a",        "A",  "k",        "K",        "\xe2\x84\xaa",
                                            "i",        "I",  "\xc4\xb0", "\xc4\xb1", "\xc3\xa4",
                                            "\xc3\x84", "ab", "x1",       "\xff",     " "};
    std::mt19937 random(20261207);
    for (int round = 0; round < 400; ++round) {
        Items items;
        const int count = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) {
            std::string item = random() % 2 ? "C:" : "c:";
            const int depth = 1 + static_cast<int>(random() % 4);
            for (int d = 0; d < depth; ++d) {
                item += random() % 8 ? "\\" : "/";
                item += names[random() % names.size()];
            }
            if (random() % 5 == 0)
                item += "\\";
            items.push_back(item);
        }
        FolderListNormaliser normaliser(items);
        normaliser.BuildTopLevelList();
        ASSERT_EQ(normaliser.GetResult(), TopLevelPairByPair(items)) << ::testing::PrintToString(items);
    }
}

TEST(FolderListNormaliser, ItemsOfAnyLength) {
    const std::string longFolder = "C:\\" + std::string(5000, 'a');
    FolderListNormaliser normaliser({longFolder + "\\" + std::string(300, 'b'), longFolder});
    normaliser.BuildTopLevelList();
    EXPECT_EQ(normaliser.GetResult(), Items{longFolder});
}

} // namespace
