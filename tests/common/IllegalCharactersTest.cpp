#include "PathRulesFixture.h"

#include "common/PathNormalising.h"

using IllegalCharacters = PathRulesTest;
using PathNormalising = PathRulesTest;

TEST_F(IllegalCharacters, SetsHoldTheirCharacters) {
    EXPECT_EQ(PathIllegalChars, (std::set<std::string>{"\"", "*", "[", "]", ";", "|", "<", ">", "?"}));
    EXPECT_EQ(NameIllegalChars.size(), 12u);
    EXPECT_EQ(SubpathIllegalChars.size(), 10u);
    for (const std::string& c : PathIllegalChars) {
        EXPECT_TRUE(NameIllegalChars.count(c)) << c;
        EXPECT_TRUE(SubpathIllegalChars.count(c)) << c;
    }
    EXPECT_TRUE(NameIllegalChars.count("\\") && NameIllegalChars.count("/") && NameIllegalChars.count(":"));
    EXPECT_TRUE(SubpathIllegalChars.count(":"));
    EXPECT_FALSE(SubpathIllegalChars.count("\\") || SubpathIllegalChars.count("/"));
    FillPathIllegalChars(); // filling again changes nothing
    EXPECT_EQ(PathIllegalChars.size(), 9u);
}

TEST_F(IllegalCharacters, ModeSelectsTheSet) {
    std::string found = "unchanged";
    EXPECT_TRUE(HasIllegalCharacter("C:\\a", "F", found));
    EXPECT_EQ(found, ":");
    found = "unchanged";
    EXPECT_TRUE(HasIllegalCharacter("ab\\c", "F", found));
    EXPECT_EQ(found, "\\");
    found = "unchanged";
    EXPECT_FALSE(HasIllegalCharacter("C:\\a/b", "N", found));
    EXPECT_FALSE(HasIllegalCharacter("C:\\a/b", "n", found));
    EXPECT_FALSE(HasIllegalCharacter("a\\b/c", "H", found));
    EXPECT_EQ(found, "unchanged");
    EXPECT_TRUE(HasIllegalCharacter("a\\b:c", "H", found));
    EXPECT_EQ(found, ":");
    // "f" is not "F": the path set.
    EXPECT_FALSE(HasIllegalCharacter("a\\b", "f", found));
}

TEST_F(IllegalCharacters, FirstIllegalCharacterIsReported) {
    std::string found;
    EXPECT_TRUE(HasIllegalCharacter("C:\\a?b*c", "N", found));
    EXPECT_EQ(found, "?");
    EXPECT_TRUE(HasIllegalCharacter(std::string(100000, '\xff') + "|", "N", found));
    EXPECT_EQ(found, "|");
    EXPECT_FALSE(HasIllegalCharacter("", "F", found));
    EXPECT_FALSE(HasIllegalCharacter("\xc3\xa4\xe2\x80\x9c\x01", "F", found));
}

TEST_F(PathNormalising, CountBackslashesConvertsSlashesInPlace) {
    std::string text = "C:/a\\b/c";
    EXPECT_EQ(CountBackslashes(text), 3u);
    EXPECT_EQ(text, "C:\\a\\b\\c");
    std::string none = "abc";
    EXPECT_EQ(CountBackslashes(none), 0u);
    std::string empty;
    EXPECT_EQ(CountBackslashes(empty), 0u);
    std::string many(100000, '/');
    EXPECT_EQ(CountBackslashes(many), 100000u);
    EXPECT_EQ(many, std::string(100000, '\\'));
}

TEST_F(PathNormalising, CollapsingRuns) {
    EXPECT_EQ(SlashesToBackslashes("C:/a//b"), "C:\\a\\\\b");
    EXPECT_EQ(CollapseDoubleBackslashes("C:\\\\a\\\\\\b\\"), "C:\\a\\b\\");
    EXPECT_EQ(CollapseDoubleBackslashes("\\\\server\\share"), "\\server\\share");
    EXPECT_EQ(CollapseDoubleColons("C::\\a:::b:"), "C:\\a:b:");
    EXPECT_EQ(CollapseDoubleColons(""), "");
    EXPECT_EQ(CollapseDoubleBackslashes(std::string(100000, '\\')), "\\");
}
