// How the bytes of a list file become the program's UTF-8 texts.

#include "common/TextDecoding.h"
#include "platform/Utf8Coding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DecodingCase {
    const char* what;
    std::string bytes;
    std::string text;
};

// UTF-16 code units written out in the byte order asked for.
std::string Utf16(std::u16string units, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : units) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(TextDecodingTest, EachKindOfFileBecomesTheSameUtf8) {
    const DecodingCase cases[] = {
        {"UTF-8 with its mark", "\xEF\xBB\xBF\"Smith, John\",Berlin\r\n", "\"Smith, John\",Berlin\r\n"},
        {"UTF-8 with its mark and a stray byte", "\xEF\xBB\xBFM\xC3\xBCller \xFC", "M\xC3\xBCller \xC3\xBC"},
        {"a mark alone", "\xEF\xBB\xBF", ""},
        {"UTF-16 little endian", Utf16(u"M\u00FCller\r\n\u20AC", false), "M\xC3\xBCller\r\n\xE2\x82\xAC"},
        {"UTF-16 big endian", Utf16(u"M\u00FCller\r\n\u20AC", true), "M\xC3\xBCller\r\n\xE2\x82\xAC"},
        {"UTF-16 with a pair of surrogates", Utf16(u"a\U0001F600b", false),
         "a\xF0\x9F\x98\x80"
         "b"},
        {"UTF-16 with a lone surrogate and an odd last byte",
         Utf16(u"a\xD800"
               "b",
               true) +
             "x",
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD"},
        {"plain UTF-8", "M\xC3\xBCller\n\xE2\x82\xAC 5\n", "M\xC3\xBCller\n\xE2\x82\xAC 5\n"},
        {"plain ASCII", "alpha\r\nbeta", "alpha\r\nbeta"},
        {"Windows-1252 umlauts and the euro sign", "M\xFCller \x80 5 \xC4\xD6\xDC\xDF",
         "M\xC3\xBCller \xE2\x82\xAC 5 \xC3\x84\xC3\x96\xC3\x9C\xC3\x9F"},
        {"Windows-1252 quotes, dashes and undefined bytes", "\x93x\x94 \x96 \x81\x9F",
         "\xE2\x80\x9Cx\xE2\x80\x9D \xE2\x80\x93 \xC2\x81\xC5\xB8"},
        // One byte that is no UTF-8 makes the whole file Windows-1252: the
        // UTF-8-looking pair is two characters of that code page.
        {"UTF-8 mixed with an invalid byte", "\xC3\xBC and \xFC", "\xC3\x83\xC2\xBC and \xC3\xBC"},
        {"an overlong form is not UTF-8", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"an encoded surrogate is not UTF-8", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"a sequence cut at the end is not UTF-8", "ab\xE2\x82", "ab\xC3\xA2\xE2\x80\x9A"},
    };
    for (const DecodingCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = DecodeText(c.bytes);
        EXPECT_EQ(text, c.text);
        EXPECT_TRUE(platform::IsValidUtf8(text));
    }
}

} // namespace
