#include "common/TextDecoding.h"

#include "platform/Utf8Coding.h"

namespace {

using platform::AppendUtf8;

// Windows-1252 characters of the bytes 0x80 to 0x9F.
constexpr char16_t Windows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t Replacement = 0xFFFD;

char32_t Windows1252Char(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? Windows1252High[byte - 0x80] : byte;
}

// UTF-8 as it is, each byte that starts no valid sequence read as Windows-1252.
std::string Utf8WithFallback(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t pos = 0; pos < bytes.size();) {
        const platform::Utf8Character c = platform::DecodeUtf8(bytes, pos);
        if (c.codePoint == platform::NotUtf8)
            AppendUtf8(out, Windows1252Char(static_cast<unsigned char>(bytes[pos])));
        else
            out.append(bytes.substr(pos, c.length));
        pos += c.length;
    }
    return out;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    const auto unit = [&](size_t pos) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[pos]);
        const auto second = static_cast<unsigned char>(bytes[pos + 1]);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    size_t pos = 0;
    while (pos + 1 < bytes.size()) {
        const char32_t first = unit(pos);
        pos += 2;
        if (first >= 0xD800 && first <= 0xDBFF) {
            if (pos + 1 < bytes.size()) {
                const char32_t second = unit(pos);
                if (second >= 0xDC00 && second <= 0xDFFF) {
                    pos += 2;
                    AppendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
                    continue;
                }
            }
            AppendUtf8(out, Replacement);
        } else if (first >= 0xDC00 && first <= 0xDFFF) {
            AppendUtf8(out, Replacement);
        } else {
            AppendUtf8(out, first);
        }
    }
    if (pos < bytes.size())
        AppendUtf8(out, Replacement);
    return out;
}

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

} // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char byte : bytes)
        AppendUtf8(out, Windows1252Char(static_cast<unsigned char>(byte)));
    return out;
}

std::string DecodeText(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return Utf8WithFallback(bytes.substr(3));
    if (StartsWith(bytes, "\xFF\xFE"))
        return Utf16ToUtf8(bytes.substr(2), false);
    if (StartsWith(bytes, "\xFE\xFF"))
        return Utf16ToUtf8(bytes.substr(2), true);
    if (platform::IsValidUtf8(bytes))
        return std::string(bytes);
    return Windows1252ToUtf8(bytes);
}
