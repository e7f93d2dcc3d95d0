#pragma once
// UTF-8, the form of every text of the program, read and written by one set
// of rules: a sequence is valid only in its shortest form, never for a
// surrogate (U+D800-U+DFFF) and never above U+10FFFF. A byte that starts no
// valid sequence is reported, not replaced: what it means is the caller's
// (a list file holding one is Windows-1252; a name keeps it as it is).
//
// The decoder and encoder are inline: case folding and the list order run
// them for every character of the texts they compare.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The code point given for a byte that starts no valid sequence; no code
// point is that large.
constexpr char32_t NotUtf8 = 0xFFFFFFFFu;

struct Utf8Character {
    char32_t codePoint; // NotUtf8 when no valid sequence starts there
    std::size_t length; // in bytes: 1 to 4, and 1 for a byte that is NotUtf8
};

// The character that starts at text[pos] (pos < text.size()).
inline Utf8Character DecodeUtf8(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80)
        return {lead, 1};
    // The second byte's range rules out the overlong forms, the surrogates and
    // what lies above U+10FFFF, so the value needs no check afterwards.
    std::size_t need;
    char32_t value;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        value = lead & 0x0Fu;
        if (lead == 0xE0)
            low = 0xA0; // below U+0800
        else if (lead == 0xED)
            high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        value = lead & 0x07u;
        if (lead == 0xF0)
            low = 0x90; // below U+10000
        else if (lead == 0xF4)
            high = 0x8F; // above U+10FFFF
    } else {
        return {NotUtf8, 1};
    }
    if (text.size() - pos <= need || byte(pos + 1) < low || byte(pos + 1) > high)
        return {NotUtf8, 1};
    for (std::size_t i = 1; i <= need; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0u) != 0x80u)
            return {NotUtf8, 1};
        value = (value << 6) | (next & 0x3Fu);
    }
    return {value, need + 1};
}

// Appends the bytes of a code point (at most U+10FFFF, no surrogate).
inline void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Whether every byte of the text belongs to a valid sequence.
bool IsValidUtf8(std::string_view text);

} // namespace platform
