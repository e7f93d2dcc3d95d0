// Cutting lines into items at white space, separators and quotation marks.

#include "common/TextSplitting.h"
#include "support/ScriptedDesktop.h"

#include <gtest/gtest.h>

using namespace testsupport;
using Items = std::deque<std::string>;
using Positions = std::deque<int32_t>;

namespace {

Positions MarksOf(const std::string& text, const std::string& mark) {
    Positions positions;
    FindAllPositions(text, mark, positions);
    return positions;
}

} // namespace

TEST(FindAllPositions, AppendsEveryOccurrenceAndCountsIt) {
    Positions positions = {99};
    EXPECT_EQ(FindAllPositions("a\"b\"c\"", "\"", positions), 3);
    EXPECT_EQ(positions, (Positions{99, 1, 3, 5}));

    EXPECT_EQ(MarksOf("aaa", "aa"), (Positions{0, 1})); // the search goes on one after each find
    EXPECT_EQ(MarksOf("a::b", "::"), Positions{1});
    EXPECT_TRUE(MarksOf("", "\"").empty());
    EXPECT_TRUE(MarksOf("abc", "x").empty());
    // The search finds an empty mark wherever it starts, but never at the end.
    EXPECT_EQ(MarksOf("abc", ""), (Positions{0, 1, 2}));
    EXPECT_TRUE(MarksOf("", "").empty());
}

TEST(IsOdd, TellsOddFromEven) {
    EXPECT_TRUE(IsOdd(3));
    EXPECT_TRUE(IsOdd(-3));
    EXPECT_FALSE(IsOdd(0));
    EXPECT_FALSE(IsOdd(-4));
}

TEST(SplitWords, CutsAtEveryKindOfWhiteSpace) {
    EXPECT_EQ(SplitWords("  a\tb\nc\vd\fe\rf  "), (Items{"a", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(SplitWords("one"), Items{"one"});
    EXPECT_TRUE(SplitWords(" \t\r\n ").empty());
    EXPECT_TRUE(SplitWords("").empty());
    EXPECT_EQ(SplitWords("x\x01y"), Items{"x\x01y"}); // other control characters are part of a word
}

TEST(SplitAtSeparators, DropsEmptyFieldsBetweenSeparators) {
    EXPECT_EQ(SplitAtSeparators("a;;b", ";"), (Items{"a", "b"}));
    EXPECT_EQ(SplitAtSeparators(";a,b;,c;", ",;"), (Items{"a", "b", "c"}));
    EXPECT_EQ(SplitAtSeparators(" a ; b ", ";"), (Items{" a ", " b "})); // blanks stay
    EXPECT_TRUE(SplitAtSeparators(";;;", ";").empty());
    EXPECT_TRUE(SplitAtSeparators("", ";").empty());
    EXPECT_EQ(SplitAtSeparators("a;b", ""), Items{"a;b"});
}

TEST(SplitByMarks, KeepsStretchesBetweenMarksWhole) {
    struct Case {
        std::string text;
        Items items;
    };
    const Case cases[] = {
        {"*.doc \"my file.txt\" *.pdf", {"*.doc", "my file.txt", "*.pdf"}},
        {"\"first one\" second", {"first one", "second"}},
        {"a \"\" b", {"a", "", "b"}},                   // marks side by side give an empty item
        {"\"  padded  \"", {"padded"}},                 // blanks inside marks are trimmed
        {"\"\ttab\t\"", {"\ttab\t"}},                   // ... but only blanks
        {"x\"a b\"\"c d\"y", {"x", "a b", "c d", "y"}}, // words touching the marks
        {"no marks here", {"no", "marks", "here"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SplitByMarks(c.text, MarksOf(c.text, "\"")), c.items);
    }
}

TEST(SplitByMarks, AfterAnOddNumberOfMarksTheRestStaysWhole) {
    const std::string text = "a \"b c d ";
    EXPECT_EQ(SplitByMarks(text, MarksOf(text, "\"")), (Items{"a", "b c d"}));
}

TEST(SplitByMarks, AcceptsPositionsThatDoNotFitTheText) {
    EXPECT_NO_THROW(SplitByMarks("abc", Positions{10, 20}));
    EXPECT_EQ(SplitByMarks("abc", Positions{10, 20}), (Items{"abc", ""}));
    EXPECT_EQ(SplitByMarks("abc", Positions{-5}), Items{"abc"});
    EXPECT_EQ(SplitByMarks("a b c", Positions{3, 1}), (Items{"a", "b", "", "b", "c"}));
}

TEST(SplitImportLine, CutsOutsideMarksAtTheSeparators) {
    // The import reader passes the separator's own positions as the marks.
    EXPECT_EQ(SplitImportLine("a,,b,c", ",", MarksOf("a,,b,c", ",")), (Items{"a", "", "b", "c"}));
    EXPECT_EQ(SplitImportLine("a,b,,c", ",", MarksOf("a,b,,c", ",")), (Items{"a", "b", "c"}));

    const std::string quoted = "x;y|\"p;q\"|z";
    EXPECT_EQ(SplitImportLine(quoted, ";|", MarksOf(quoted, "\"")), (Items{"x", "y", "p;q", "z"}));
    EXPECT_EQ(SplitImportLine("a b;c", ";", {}), (Items{"a b", "c"})); // blanks are no separator here
}

TEST(ParseMarkedText, SplitsAtBlanksKeepingQuotedPartsWhole) {
    ScriptedDesktop desktop;
    ui::MessageBoxRequest refusal;
    Items items = {"stale"};
    EXPECT_TRUE(ParseMarkedText("*.doc \"my file.txt\" *.pdf", items, refusal));
    EXPECT_EQ(items, (Items{"*.doc", "my file.txt", "*.pdf"}));

    EXPECT_TRUE(ParseMarkedText("\"my file.doc\" *.txt", items, refusal));
    EXPECT_EQ(items, (Items{"my file.doc", "*.txt"}));

    EXPECT_TRUE(ParseMarkedText("   ", items, refusal));
    EXPECT_TRUE(items.empty());
}

TEST(ParseMarkedText, AnEmptyTextLeavesTheListAlone) {
    ScriptedDesktop desktop;
    ui::MessageBoxRequest refusal;
    Items items = {"kept"};
    EXPECT_TRUE(ParseMarkedText("", items, refusal));
    EXPECT_EQ(items, Items{"kept"});
}

TEST(ParseMarkedText, AnOddNumberOfDoubleQuotesIsRefusedWithWarning0519) {
    ScriptedDesktop desktop;
    ui::MessageBoxRequest refusal;
    Items items = {"stale"};
    EXPECT_FALSE(ParseMarkedText("\"a\" \"b", items, refusal));
    EXPECT_TRUE(items.empty());

    EXPECT_TRUE(desktop.Boxes().empty()) << "the box is the caller's to show";
    const ui::MessageBoxRequest& box = refusal;
    EXPECT_EQ(box.caption, "Warning !    Msg no: 0519.");
    EXPECT_EQ(box.text, "Odd number of marks(separators) : 3\n\n"
                        "Action : You must enter an even number of separators(marks).");
    EXPECT_EQ(box.icon, ui::Icon::Warning);
    EXPECT_EQ(box.buttons, ui::Buttons::Ok);
    EXPECT_EQ(box.owner, nullptr);
}

TEST(ParseMarkedText, TheWarningCountsEveryDoubleQuote) {
    ScriptedDesktop desktop;
    ui::MessageBoxRequest refusal;
    Items items;
    EXPECT_FALSE(ParseMarkedText("\"", items, refusal));
    EXPECT_EQ(refusal.text.substr(0, 36), "Odd number of marks(separators) : 1\n");
}
