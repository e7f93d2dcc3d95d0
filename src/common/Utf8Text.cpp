#include "common/Utf8Text.h"

namespace utf8 {

char32_t DecodeAt(const std::string& text, std::size_t pos, std::size_t& length) {
    length = 1;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80)
        return lead;
    std::size_t need;
    char32_t cp;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        cp = lead & 0x1Fu;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        cp = lead & 0x0Fu;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        cp = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return InvalidByte;
    }
    if (text.size() - pos <= need)
        return InvalidByte;
    for (std::size_t i = 1; i <= need; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0u) != 0x80u)
            return InvalidByte;
        cp = (cp << 6) | (next & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return InvalidByte;
    length = need + 1;
    return cp;
}

std::string Encode(char32_t cp) {
    std::string out;
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
    return out;
}

std::string CharacterBefore(const std::string& text, std::size_t end) {
    if (end == 0 || end > text.size())
        return {};
    // A character is at most four bytes long: try each possible start.
    for (std::size_t back = 2; back <= 4 && back <= end; ++back) {
        std::size_t length = 0;
        if (DecodeAt(text, end - back, length) != InvalidByte && length == back)
            return text.substr(end - back, back);
    }
    return text.substr(end - 1, 1);
}

} // namespace utf8
