#include "common/TextDecoding.h"

#include <cstdint>

namespace {

// Windows-1252 characters of the bytes 0x80 to 0x9F.
constexpr char16_t Windows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t Replacement = 0xFFFD;

void Append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t Windows1252Char(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? Windows1252High[byte - 0x80] : byte;
}

// The length of the valid UTF-8 sequence at `pos`, or 0 when none starts there.
size_t SequenceLength(std::string_view bytes, size_t pos) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80)
        return 1;
    size_t need;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        if (lead == 0xE0)
            low = 0xA0; // overlong below U+0800
        else if (lead == 0xED)
            high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        if (lead == 0xF0)
            low = 0x90; // overlong below U+10000
        else if (lead == 0xF4)
            high = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() - pos <= need)
        return 0;
    if (byte(pos + 1) < low || byte(pos + 1) > high)
        return 0;
    for (size_t i = 2; i <= need; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
    }
    return need + 1;
}

// UTF-8 as it is, each byte that starts no valid sequence read as Windows-1252.
std::string Utf8WithFallback(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t pos = 0; pos < bytes.size();) {
        const size_t length = SequenceLength(bytes, pos);
        if (length == 0) {
            Append(out, Windows1252Char(static_cast<unsigned char>(bytes[pos])));
            ++pos;
        } else {
            out.append(bytes.substr(pos, length));
            pos += length;
        }
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
                    Append(out, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
                    continue;
                }
            }
            Append(out, Replacement);
        } else if (first >= 0xDC00 && first <= 0xDFFF) {
            Append(out, Replacement);
        } else {
            Append(out, first);
        }
    }
    if (pos < bytes.size())
        Append(out, Replacement);
    return out;
}

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (size_t pos = 0; pos < bytes.size();) {
        // Plain ASCII, the bulk of most list files, eight bytes at a time.
        while (pos + 8 <= bytes.size()) {
            uint64_t block = 0;
            for (size_t i = 0; i < 8; ++i)
                block |= static_cast<uint64_t>(static_cast<unsigned char>(bytes[pos + i])) << (8 * i);
            if (block & 0x8080808080808080ull)
                break;
            pos += 8;
        }
        if (pos >= bytes.size())
            break;
        const size_t length = SequenceLength(bytes, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char byte : bytes)
        Append(out, Windows1252Char(static_cast<unsigned char>(byte)));
    return out;
}

std::string DecodeText(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return Utf8WithFallback(bytes.substr(3));
    if (StartsWith(bytes, "\xFF\xFE"))
        return Utf16ToUtf8(bytes.substr(2), false);
    if (StartsWith(bytes, "\xFE\xFF"))
        return Utf16ToUtf8(bytes.substr(2), true);
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    return Windows1252ToUtf8(bytes);
}
