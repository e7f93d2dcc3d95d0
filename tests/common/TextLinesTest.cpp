#include "common/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Every kind of line break ends a line; the first control character is found
// and named, as it would print as nothing.
TEST(TextLines, LinesAreCutAtEveryBreakAndControlCharactersNamed) {
    const std::size_t none = std::string::npos;
    struct Case {
        std::string text;
        Lines lines;
        std::size_t control;
        std::string name;
    } cases[] = {
        {"", {""}, none, ""},
        {"plain name", {"plain name"}, none, ""},
        {"one\ntwo", {"one", "two"}, 3, "line break"},
        {"one\r\ntwo\r\n", {"one", "two", ""}, 3, "line break"},
        {"one\rtwo", {"one", "two"}, 3, "line break"},
        {"one\n\r\ntwo", {"one", "", "two"}, 3, "line break"},
        {"\n", {"", ""}, 0, "line break"},
        {"a\tb\n", {"a\tb", ""}, 1, "tab"},
        {"del\x7f", {"del\x7f"}, 3, "control character 7F"},
        {"\x01x", {"\x01x"}, 0, "control character 01"},
        {"\xc3\xa9t\xc3\xa9", {"\xc3\xa9t\xc3\xa9"}, none, ""}, // letters beyond ASCII are none
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(SplitLines(c.text), c.lines);
        if (c.text.find('\r') == none) {
            EXPECT_EQ(JoinLines(c.lines), c.text);
        }
        ASSERT_EQ(FindControlCharacter(c.text), c.control);
        if (c.control != none) {
            EXPECT_EQ(ControlCharacterName(c.text[c.control]), c.name);
        }
    }
    EXPECT_EQ(JoinLines({"a", "b", "c"}, 1), "b\nc");
}

} // namespace
