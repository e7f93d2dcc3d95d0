#include "common/FolderListNormaliser.h"

#include "common/FileHelpers.h"
#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathNormalising.h"
#include "platform/CaseFolding.h"
#include "platform/Utf8Coding.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Whether `candidate`, with a trailing backslash added when it has none, starts
// with `kept` (ignoring case) followed by a backslash. A kept folder given with
// a trailing backslash therefore only takes items that continue with another
// one. Compared in their folded forms: a name and its other case may differ
// in length (ı and I).
bool LiesInside(const std::string& candidate, const std::string& kept) {
    if (candidate.empty())
        return false;
    std::string folded = platform::FoldCase(candidate);
    if (candidate.back() != '\\')
        folded += '\\';
    const std::string keptFolded = platform::FoldCase(kept);
    const size_t n = keptFolded.size();
    return n < folded.size() && folded[n] == '\\' && folded.compare(0, n, keptFolded) == 0;
}

// A text's key: one byte per character, equal for all texts that AnsiSameText
// takes as equal (backslashes stay backslashes), so a kept folder is only ever
// compared with the prefixes of a candidate that share its key. Texts with the
// same key need not be equal: the key only narrows the search.
class FoldKeys {
public:
    // Calls `atBackslash` with the key of the text before each backslash.
    template <typename Visit> std::string Key(const std::string& text, Visit atBackslash) {
        std::string key;
        key.reserve(text.size());
        for (size_t pos = 0; pos < text.size();) {
            const unsigned char byte = static_cast<unsigned char>(text[pos]);
            if (byte < 0x80) {
                if (byte == '\\')
                    atBackslash(key);
                key += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
                ++pos;
                continue;
            }
            const platform::Utf8Character c = platform::DecodeUtf8(text, pos);
            key += c.codePoint == platform::NotUtf8 ? NonAscii : KeyOfNonAscii(c.codePoint);
            pos += c.length;
        }
        return key;
    }
    std::string Key(const std::string& text) {
        return Key(text, [](const std::string&) {});
    }

private:
    static constexpr char NonAscii = '\x80';

    // A few letters beyond ASCII fold to an ASCII one (the Kelvin sign to k);
    // they must share its key. Asked of AnsiSameText itself, once per character.
    char KeyOfNonAscii(char32_t c) {
        auto found = nonAscii_.find(c);
        if (found != nonAscii_.end())
            return found->second;
        std::string encoded;
        platform::AppendUtf8(encoded, c);
        char key = NonAscii;
        for (int ascii = 0; ascii < 0x80; ++ascii) {
            if (ascii >= 'A' && ascii <= 'Z')
                continue; // their lower-case twins are asked
            if (AnsiSameText(encoded, std::string(1, static_cast<char>(ascii)))) {
                key = static_cast<char>(ascii);
                break;
            }
        }
        nonAscii_.emplace(c, key);
        return key;
    }

    std::unordered_map<char32_t, char> nonAscii_;
};

} // namespace

FolderListNormaliser::FolderListNormaliser(std::deque<std::string> items) : items_(std::move(items)) {}

void FolderListNormaliser::ReadItems() {
    distinctItems_.clear();
    for (const std::string& item : items_) {
        if (!TrimBlanks(item).empty())
            distinctItems_.insert(item);
    }
}

void FolderListNormaliser::BuildUniqueList() {
    ReadItems();
    result_.assign(distinctItems_.begin(), distinctItems_.end());
}

void FolderListNormaliser::BuildTopLevelList() {
    ReadItems();
    // Items are compared in the normal form of the folder they name, so that
    // "D:/A/B", "d:\a\.\b" and "D:\A\B\" all lie inside "D:\A"; the
    // result keeps each item as the list holds it.
    std::unordered_map<std::string, std::string> normalOf;
    itemsByDepth_.clear();
    for (const std::string& item : distinctItems_) {
        std::string normal = FolderNormalForm(Trim(item));
        std::string depthCopy = normal;
        itemsByDepth_.emplace(CountBackslashes(depthCopy), item);
        normalOf.emplace(item, std::move(normal));
    }

    // Taking each kept folder in turn and striking every later item inside it
    // keeps an item exactly when no earlier kept folder holds it; that is
    // asked here of the kept folders whose key matches one of the item's
    // prefixes, so a long list is not compared pair by pair.
    FoldKeys keys;
    std::unordered_map<std::string, std::vector<std::string>> keptByKey;
    result_.clear();
    for (const auto& [depth, item] : itemsByDepth_) {
        const std::string& normal = normalOf.at(item);
        const std::string withDelimiter = IncludeTrailingPathDelimiter(normal);
        bool inside = false;
        keys.Key(withDelimiter, [&](const std::string& prefixKey) {
            if (inside || prefixKey.empty())
                return;
            auto bucket = keptByKey.find(prefixKey);
            if (bucket == keptByKey.end())
                return;
            for (const std::string& kept : bucket->second) {
                if (LiesInside(normal, kept)) {
                    inside = true;
                    return;
                }
            }
        });
        std::string key = keys.Key(normal);
        // A drive's root written twice ("d:", "D:\") is one folder too.
        if (!inside && normal.back() == '\\') {
            auto same = keptByKey.find(key);
            inside = same != keptByKey.end() &&
                     std::any_of(same->second.begin(), same->second.end(),
                                 [&](const std::string& kept) { return AnsiSameText(kept, normal); });
        }
        if (inside)
            continue;
        keptByKey[std::move(key)].push_back(normal);
        result_.push_back(item);
    }
}
