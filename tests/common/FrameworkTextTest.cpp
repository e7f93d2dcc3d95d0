#include "common/FrameworkText.h"
#include "NumericLocale.h"
#include "support/DriveSandbox.h"
#include "ui/FrameworkError.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(Trim, RemovesControlCharactersAndBlanksAtBothEnds) {
    EXPECT_EQ(Trim(" \t\r\n a b \t\n"), "a b");
    EXPECT_EQ(Trim(" \t \t"), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim(std::string("\x01x\x1f", 3)), "x");
    // Bytes above 127 are text, not blanks.
    EXPECT_EQ(Trim("\xa0\xc3\xa9 "), "\xa0\xc3\xa9");
}

TEST(AnsiLowerCase, FoldsLettersBeyondAsciiAndKeepsTheLength) {
    EXPECT_EQ(AnsiLowerCase("ABC xyz 123"), "abc xyz 123");
    EXPECT_EQ(AnsiLowerCase("\xc3\x84RGER"), "\xc3\xa4rger");                         // ÄRGER -> ärger
    EXPECT_EQ(AnsiLowerCase("\xd0\x9c\xd0\x98\xd0\xa0"), "\xd0\xbc\xd0\xb8\xd1\x80"); // МИР -> мир
    // İ lowers to a one-byte i: it stays, so that positions keep their meaning.
    EXPECT_EQ(AnsiLowerCase("\xc4\xb0X"), "\xc4\xb0x");
    // Bytes that are not UTF-8 come through untouched.
    const std::string broken = "A\xff\xc3(\x80Z\xed\xa0\x80";
    EXPECT_EQ(AnsiLowerCase(broken), "a\xff\xc3(\x80z\xed\xa0\x80");
    EXPECT_EQ(AnsiLowerCase(std::string(100000, 'Q')), std::string(100000, 'q'));
}

TEST(AnsiSameText, IgnoresCaseOfAllLetters) {
    EXPECT_TRUE(AnsiSameText("C:\\Data", "c:\\DATA"));
    EXPECT_TRUE(AnsiSameText("\xc3\x84pfel", "\xc3\xa4PFEL"));
    EXPECT_TRUE(AnsiSameText("", ""));
    EXPECT_FALSE(AnsiSameText("c:\\data", "C:\\DATA\\"));
    EXPECT_FALSE(AnsiSameText("a", ""));
    EXPECT_FALSE(AnsiSameText("\xc3\xa4", "a"));
    // An invalid byte equals only itself.
    EXPECT_TRUE(AnsiSameText("x\xff", "X\xff"));
    EXPECT_FALSE(AnsiSameText("x\xff", "x\xfe"));
    EXPECT_FALSE(AnsiSameText("\xc3", "\xc3\xa4"));
}

TEST(CompareText, FoldsOnlyAsciiLetters) {
    EXPECT_EQ(CompareText("abc", "ABC"), 0);
    EXPECT_EQ(CompareText("", ""), 0);
    EXPECT_EQ(CompareText("a", "b"), 'A' - 'B');
    EXPECT_EQ(CompareText("abc", "ab"), 1);
    EXPECT_EQ(CompareText("ab", "abcd"), -2);
    // Letters compare as upper case, so "_" (0x5F) sorts after "Z" and "z".
    EXPECT_GT(CompareText("_", "z"), 0);
    // No folding beyond ASCII: Ä and ä differ, bytes compare unsigned.
    EXPECT_NE(CompareText("\xc3\x84", "\xc3\xa4"), 0);
    EXPECT_GT(CompareText("\xc3", "z"), 0);
}

TEST(AnsiDequotedStr, RemovesOneQuotedPart) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"\"abc\"", "abc"},
        {"\"a\"\"b\"", "a\"b"},
        {"\"abc\" rest", "abc"},
        {"\"\"", ""},
        {"\"abc", "\"abc"}, // no closing quote
        {"abc\"", "abc\""}, // does not begin with one
        {"\"", "\""},
        {"", ""},
        {"\"ab\"\"", "\"ab\"\""}, // the last two are a doubled quote, not a closing one
    };
    for (const Case& c : cases)
        EXPECT_EQ(AnsiDequotedStr(c.text, '"'), c.expected) << c.text;
    EXPECT_EQ(AnsiDequotedStr("'it''s'", '\''), "it's");
    EXPECT_EQ(AnsiDequotedStr("\"abc\"", '\''), "\"abc\"");
}

TEST(IntToStr, PlainDigits) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(1234567), "1234567");
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(INT32_MIN), "-2147483648");
}

TEST(StrToInt, AcceptsWholeNumbersInRange) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("120"), 120);
    EXPECT_EQ(StrToInt("-17"), -17);
    EXPECT_EQ(StrToInt("+5"), 5);
    EXPECT_EQ(StrToInt("  9"), 9);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, RefusesEverythingElseWithTheConversionText) {
    for (const char* text : {"", " ", "abc", "12a", "1.5", "1e3", "- 1", "+", "9 ", "2147483648",
                             "-2147483649", "99999999999999999999999"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const ui::FrameworkError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
    EXPECT_THROW(StrToInt(std::string(100000, '7')), ui::FrameworkError);
    EXPECT_THROW(StrToInt("\xff\xfe"), ui::FrameworkError);
}

TEST(FloatToStr, FifteenSignificantDigits) {
    testsupport::NumericLocale point;
    struct Case {
        double value;
        const char* expected;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1234567, "1234567"},
        {-3, "-3"},
        {2e6, "2000000"},
        {999999999999999, "999999999999999"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {0.5, "0.5"},
        {0.1 + 0.2, "0.3"},
        {1.25, "1.25"},
        {-0.001, "-0.001"},
        {0.00001, "0.00001"},
        {1e-7, "1E-7"},
        {2.0 / 3.0, "0.666666666666667"},
        {123456.789, "123456.789"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStr(c.value), c.expected) << c.expected;
    EXPECT_EQ(FloatToStr(NAN), "NAN");
    EXPECT_EQ(FloatToStr(-INFINITY), "-INF");
}

TEST(FloatToStr, FractionsTakeTheUsersDecimalSeparator) {
    testsupport::DriveSandbox sandbox;
    testsupport::NumericLocale comma(sandbox.HostRoot('C'));
    if (!comma.IsActive())
        GTEST_SKIP() << "no locale with a decimal comma is available";
    EXPECT_EQ(FloatToStr(1.25), "1,25");
    EXPECT_EQ(FloatToStr(-0.001), "-0,001");
    EXPECT_EQ(FloatToStr(2.0 / 3.0), "0,666666666666667");
    EXPECT_EQ(FloatToStr(1.5e20), "1,5E20");
    // Whole numbers carry no separator at all.
    EXPECT_EQ(FloatToStr(1234567), "1234567");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
}
