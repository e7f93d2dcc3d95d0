#include "ui/ListOrder.h"

#include "platform/Utf8Coding.h"

#include <QChar>
#include <QList>
#include <QString>

#include <algorithm>

namespace ui {

namespace {

int CompareBytes(std::string_view a, std::string_view b) {
    int c = a.compare(b); // std::char_traits<char> compares as unsigned char
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The letter a code point ranks as: a letter with marks (one or more,
// precomposed) as its base letter. Other code points, Hangul syllables among
// them, rank as themselves.
char32_t BaseLetter(char32_t codePoint) {
    while (QChar::decompositionTag(codePoint) == QChar::Canonical) {
        const QList<uint> parts = QString(QChar::decomposition(codePoint)).toUcs4();
        if (parts.size() < 2)
            break;
        for (qsizetype i = 1; i < parts.size(); ++i)
            if (QChar::category(parts[i]) != QChar::Mark_NonSpacing)
                return codePoint;
        codePoint = parts[0];
    }
    return codePoint;
}

void AppendAlphabetLetter(std::string& out, char32_t codePoint) {
    switch (codePoint) {
    case 0x00DF: // ß
    case 0x1E9E: // ẞ
        out += "SS";
        return;
    case 0x00C6: // Æ
    case 0x00E6:
        out += "AE";
        return;
    case 0x0152: // Œ
    case 0x0153:
        out += "OE";
        return;
    default:
        break;
    }
    if (QChar::category(codePoint) == QChar::Mark_NonSpacing)
        return;
    platform::AppendUtf8(out, QChar::toUpper(BaseLetter(codePoint)));
}

} // namespace

std::string AlphabetKey(std::string_view folded) {
    std::string key;
    key.reserve(folded.size());
    for (size_t i = 0; i < folded.size();) {
        const platform::Utf8Character c = platform::DecodeUtf8(folded, i);
        // ASCII and bytes that are no UTF-8 rank as they are.
        if (c.codePoint < 0x80 || c.codePoint == platform::NotUtf8)
            key += folded[i];
        else
            AppendAlphabetLetter(key, c.codePoint);
        i += c.length;
    }
    return key;
}

int CompareFoldedTexts(std::string_view aFolded, std::string_view bFolded) {
    // Up to the first difference both texts are the same characters, so their
    // keys agree that far. When the difference lies between ASCII bytes (or
    // the end of a text), which end no character early, it decides; only
    // texts that differ at a letter beyond ASCII need their keys.
    const size_t common = std::min(aFolded.size(), bFolded.size());
    size_t i = 0;
    while (i < common && aFolded[i] == bFolded[i])
        ++i;
    const auto asciiOrEnd = [i](std::string_view text) {
        return i == text.size() || static_cast<unsigned char>(text[i]) < 0x80;
    };
    int c = 0;
    if (asciiOrEnd(aFolded) && asciiOrEnd(bFolded))
        c = CompareBytes(aFolded.substr(i), bFolded.substr(i));
    else
        c = CompareBytes(AlphabetKey(aFolded), AlphabetKey(bFolded));
    return c != 0 ? c : CompareBytes(aFolded, bFolded);
}

int CompareListOrderFolded(std::string_view a, std::string_view aFolded, std::string_view b) {
    int c = CompareFoldedTexts(aFolded, FoldCase(b));
    return c != 0 ? c : CompareBytes(a, b);
}

ListOrderKey::ListOrderKey(std::string_view text)
    : head{0, 0}, folded(FoldCase(text)), ascii(IsAscii(folded)) {
    if (!ascii)
        alphabet = AlphabetKey(folded);
    // Big-endian, padded with zero bytes: when two heads differ, they order as
    // the alphabet keys do (a key that ends inside the head is a prefix of the
    // other, and comes first). Equal heads leave the decision to the texts.
    const std::string_view key = Alphabet();
    for (size_t i = 0; i < 16 && i < key.size(); ++i)
        head[i / 8] |= static_cast<std::uint64_t>(static_cast<unsigned char>(key[i])) << (56 - 8 * (i % 8));
}

int CompareListOrderKeys(const ListOrderKey& a, std::string_view aText, const ListOrderKey& b,
                         std::string_view bText) {
    for (int i = 0; i < 2; ++i) {
        if (a.head[i] != b.head[i])
            return a.head[i] < b.head[i] ? -1 : 1;
    }
    int c = CompareBytes(a.Alphabet(), b.Alphabet());
    if (c == 0)
        c = CompareBytes(a.folded, b.folded);
    return c != 0 ? c : CompareBytes(aText, bText);
}

int CompareListOrder(std::string_view a, std::string_view b) {
    int c = CompareFoldedTexts(FoldCase(a), FoldCase(b));
    return c != 0 ? c : CompareBytes(a, b);
}

} // namespace ui
