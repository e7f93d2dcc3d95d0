#include "common/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(TextLines, EveryKindOfLineBreakEndsALine) {
    struct Case {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {""}},
        {"one", {"one"}},
        {"one\ntwo", {"one", "two"}},
        {"one\r\ntwo\r\n", {"one", "two", ""}},
        {"one\rtwo", {"one", "two"}},
        {"one\n\r\ntwo", {"one", "", "two"}},
        {"\n", {"", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
        if (c.text.find('\r') == std::string::npos) {
            EXPECT_EQ(JoinLines(c.lines), c.text) << "joined again";
        }
    }
    EXPECT_EQ(JoinLines({"a", "b", "c"}, 1), "b\nc");
}

TEST(TextLines, ControlCharactersAreFoundAndNamed) {
    EXPECT_EQ(FindControlCharacter("plain name"), std::string::npos);
    EXPECT_EQ(FindControlCharacter("one\ntwo"), 3u);
    EXPECT_EQ(FindControlCharacter("a\tb\n"), 1u);
    EXPECT_EQ(FindControlCharacter("del\x7f"), 3u);
    EXPECT_EQ(FindControlCharacter("\xc3\xa9t\xc3\xa9"), std::string::npos)
        << "letters beyond ASCII are none";
    EXPECT_EQ(ControlCharacterName('\n'), "line break");
    EXPECT_EQ(ControlCharacterName('\r'), "line break");
    EXPECT_EQ(ControlCharacterName('\t'), "tab");
    EXPECT_EQ(ControlCharacterName('\x01'), "control character 01");
}

} // namespace
