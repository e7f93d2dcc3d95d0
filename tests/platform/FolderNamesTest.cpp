// The kept names of a folder answer a name ignoring case as the folder
// itself would, however many names come and go.

#include "platform/CaseFolding.h"
#include "platform/FolderNameCache.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

namespace {

using platform::detail::FolderNames;

std::string Found(const FolderNames& names, const std::string& name) {
    const std::string* found = names.Find(name);
    return found ? *found : "(none)";
}

TEST(FolderNames, ExactNameFirstElseTheLowestOfItsCases) {
    FolderNames names;
    for (const char* name : {"abc", "ABC", "Straße", "x"})
        names.Add(name);
    names.Add("abc");
    EXPECT_EQ(names.Size(), 4u);
    const std::pair<const char*, const char*> cases[] = {
        {"abc", "abc"}, {"ABC", "ABC"}, {"Abc", "ABC"}, {"STRAßE", "Straße"}, {"X", "x"}, {"y", "(none)"},
    };
    for (const auto& [asked, expected] : cases)
        EXPECT_EQ(Found(names, asked), expected) << asked;
    names.Remove("ABC");
    names.Remove("missing");
    EXPECT_EQ(Found(names, "Abc"), "abc");
    EXPECT_EQ(names.Size(), 3u);
}

// Many names added and removed in turn, several cases of one name among
// them: every answer is the one a plain ordered list of the names gives.
TEST(FolderNames, AnswersAsAListOfTheNamesDoesThroughAddsAndRemoves) {
    FolderNames names;
    std::multimap<std::string, std::string> reference; // upper-case form -> name
    std::mt19937 random(7);
    const auto nameOf = [&] {
        std::string name = "item " + std::to_string(random() % 3000);
        if (random() % 2)
            name[0] = 'I';
        if (random() % 3 == 0)
            name[1] = 'T';
        return name;
    };
    const auto expected = [&](const std::string& name) -> std::string {
        const auto [first, last] = reference.equal_range(platform::FoldCase(name));
        std::string lowest = "(none)";
        for (auto it = first; it != last; ++it) {
            if (it->second == name)
                return name;
            if (lowest == "(none)" || it->second < lowest)
                lowest = it->second;
        }
        return lowest;
    };
    for (int step = 0; step < 40000; ++step) {
        const std::string name = nameOf();
        if (random() % 5 < 3) {
            if (expected(name) != name)
                reference.emplace(platform::FoldCase(name), name);
            names.Add(name);
        } else {
            const auto [first, last] = reference.equal_range(platform::FoldCase(name));
            for (auto it = first; it != last; ++it) {
                if (it->second == name) {
                    reference.erase(it);
                    break;
                }
            }
            names.Remove(name);
        }
        const std::string asked = nameOf();
        ASSERT_EQ(Found(names, asked), expected(asked)) << "step " << step << ": " << asked;
    }
    EXPECT_EQ(names.Size(), reference.size());
}

} // namespace
