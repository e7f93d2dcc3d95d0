#include "platform/CaseFolding.h"

#include <locale.h>
#include <wctype.h>

namespace platform {

namespace {

// Case mapping needs a UTF-8 character type whatever locale the process runs
// in; without one only ASCII letters fold.
locale_t Utf8Locale() {
    static const locale_t locale = [] {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            if (locale_t found = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr)))
                return found;
        }
        return static_cast<locale_t>(nullptr);
    }();
    return locale;
}

char32_t UpperOf(char32_t c) {
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') ? c - 32 : c;
    if (c >= 0xD800 && c <= 0xDFFF)
        return c; // stands for an invalid byte
    locale_t locale = Utf8Locale();
    if (!locale)
        return c;
    return static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), locale));
}

char32_t DecodeAt(std::string_view text, std::size_t& pos) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(pos);
    std::size_t need = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1, cp = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2, cp = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3, cp = lead & 0x07u, minimum = 0x10000;
    } else {
        ++pos;
        return 0xDC00 + lead;
    }
    if (text.size() - pos <= need) {
        ++pos;
        return 0xDC00 + lead;
    }
    for (std::size_t i = 1; i <= need; ++i) {
        const unsigned char next = byteAt(pos + i);
        if ((next & 0xC0u) != 0x80u) {
            ++pos;
            return 0xDC00 + lead;
        }
        cp = (cp << 6) | (next & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return 0xDC00 + lead;
    }
    pos += need + 1;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp >= 0xDC00 && cp <= 0xDCFF) {
        out += static_cast<char>(cp - 0xDC00); // the invalid byte, unchanged
    } else if (cp < 0x80) {
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

bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

std::string FoldCase(std::string_view text) {
    // Most texts are plain ASCII: those are copied in one go and their letters
    // raised in place; only a text with other bytes is decoded, from its first
    // such byte on.
    std::string out(text);
    std::size_t pos = 0;
    for (; pos < out.size(); ++pos) {
        const char c = out[pos];
        if (static_cast<unsigned char>(c) >= 0x80)
            break;
        if (c >= 'a' && c <= 'z')
            out[pos] = static_cast<char>(c - 32);
    }
    if (pos == out.size())
        return out;
    out.resize(pos);
    while (pos < text.size())
        AppendUtf8(out, UpperOf(DecodeAt(text, pos)));
    return out;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (IsAscii(a) && IsAscii(b)) {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            const auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
            if (upper(a[i]) != upper(b[i]))
                return false;
        }
        return true;
    }
    return FoldCase(a) == FoldCase(b);
}

std::u32string FoldedCodePoints(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        out += UpperOf(DecodeAt(text, pos));
    return out;
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
    const int folded = FoldCase(a).compare(FoldCase(b));
    if (folded != 0)
        return folded;
    return a.compare(b);
}

} // namespace platform
