#include "platform/CaseFolding.h"

#include "platform/Utf8Coding.h"

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

// A byte that starts no valid sequence stands for itself as U+DC00 plus the
// byte: a lone surrogate, which no valid text decodes to and no letter
// folds to, so the folded text gives the byte back unchanged.
char32_t DecodeAt(std::string_view text, std::size_t& pos) {
    const Utf8Character c = DecodeUtf8(text, pos);
    const char32_t codePoint =
        c.codePoint == NotUtf8 ? 0xDC00 + static_cast<unsigned char>(text[pos]) : c.codePoint;
    pos += c.length;
    return codePoint;
}

void AppendFolded(std::string& out, char32_t cp) {
    if (cp >= 0xDC00 && cp <= 0xDCFF)
        out += static_cast<char>(cp - 0xDC00); // the invalid byte, unchanged
    else
        AppendUtf8(out, cp);
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
        AppendFolded(out, UpperOf(DecodeAt(text, pos)));
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
