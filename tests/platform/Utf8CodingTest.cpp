// The one set of UTF-8 rules every text of the program is read and written by.

#include "platform/Utf8Coding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::NotUtf8;

struct CodingCase {
    const char* what;
    std::string bytes;
    char32_t codePoint; // of the character at the first byte
    std::size_t length;
};

TEST(Utf8Coding, ShortestFormsUpToU10FFFFWithoutSurrogatesAreCharacters) {
    const CodingCase cases[] = {
        {"NUL", std::string(1, '\0'), 0x0, 1},
        {"the last of ASCII", "\x7F", 0x7F, 1},
        {"the first of two bytes", "\xC2\x80", 0x80, 2},
        {"the last of two bytes", "\xDF\xBF", 0x7FF, 2},
        {"the first of three bytes", "\xE0\xA0\x80", 0x800, 3},
        {"just below the surrogates", "\xED\x9F\xBF", 0xD7FF, 3},
        {"just above the surrogates", "\xEE\x80\x80", 0xE000, 3},
        {"the last of three bytes", "\xEF\xBF\xBF", 0xFFFF, 3},
        {"the first of four bytes", "\xF0\x90\x80\x80", 0x10000, 4},
        {"the last code point", "\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
        {"a character before others", "\xC3\xA9t\xC3\xA9", 0xE9, 2},
        {"a lone continuation byte", "\x80x", NotUtf8, 1},
        {"a lead that no character starts with", "\xF8\x88\x80\x80\x80", NotUtf8, 1},
        {"the last byte value", "\xFF", NotUtf8, 1},
        {"cut at the end", "\xE2\x82", NotUtf8, 1},
        {"cut by a byte that continues nothing", "\xE2(\xA1", NotUtf8, 1},
        {"cut by a new lead", "\xF0\x9F\xC3\xA9", NotUtf8, 1},
        {"overlong in two bytes", "\xC0\xAF", NotUtf8, 1},
        {"overlong in two bytes, C1", "\xC1\xBF", NotUtf8, 1},
        {"overlong in three bytes", "\xE0\x80\xAF", NotUtf8, 1},
        {"overlong in four bytes", "\xF0\x8F\xBF\xBF", NotUtf8, 1},
        {"the first surrogate", "\xED\xA0\x80", NotUtf8, 1},
        {"the last surrogate", "\xED\xBF\xBF", NotUtf8, 1},
        {"just above U+10FFFF", "\xF4\x90\x80\x80", NotUtf8, 1},
        {"a lead only larger values start with", "\xF5\x80\x80\x80", NotUtf8, 1},
    };
    for (const CodingCase& c : cases) {
        SCOPED_TRACE(c.what);
        const platform::Utf8Character decoded = platform::DecodeUtf8(c.bytes, 0);
        EXPECT_EQ(decoded.codePoint, c.codePoint);
        EXPECT_EQ(decoded.length, c.length);
        const bool valid = c.codePoint != NotUtf8;
        // Behind plain ASCII, which the check passes over by the word.
        EXPECT_EQ(platform::IsValidUtf8("a long plain prefix " + c.bytes), valid);
        if (valid) {
            std::string encoded;
            platform::AppendUtf8(encoded, c.codePoint);
            EXPECT_EQ(encoded, c.bytes.substr(0, c.length));
        }
    }
}

} // namespace
