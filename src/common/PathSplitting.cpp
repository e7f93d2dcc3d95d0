#include "common/PathSplitting.h"

#include "common/PathNormalising.h"
#include "common/PathValidation.h"

#include <cctype>

namespace {

constexpr std::size_t MaximumPathLength = 255; // this long or longer is refused

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// What may follow a drive colon for the colon to begin a path: a letter, a
// digit or a punctuation character (the backslash among them), not a blank.
bool MayFollowDriveColon(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte < 0x80 && (std::isalnum(byte) || std::ispunct(byte));
}

bool StartsItem(const std::string& text, std::size_t pos) {
    return pos + 2 < text.size() && IsAsciiLetter(text[pos]) && text[pos + 1] == ':' &&
           MayFollowDriveColon(text[pos + 2]);
}

std::size_t NextStart(const std::string& text, std::size_t from) {
    for (std::size_t pos = from; pos + 2 < text.size(); ++pos) {
        if (StartsItem(text, pos))
            return pos;
    }
    return std::string::npos;
}

struct Cut {
    std::string leading; // the text before the first item
    std::deque<std::string> items;
    bool anyStart = false;
};

// Each item runs from its drive letter up to the character before the letter
// of the next colon; the scan for the next item starts at that letter, so the
// whole text is walked once.
Cut CutAtDrives(const std::string& text) {
    Cut cut;
    std::size_t start = NextStart(text, 0);
    if (start == std::string::npos)
        return cut;
    cut.anyStart = true;
    cut.leading = text.substr(0, start);
    while (start != std::string::npos) {
        std::size_t colon = text.find(':', start + 2);
        if (colon == std::string::npos) {
            cut.items.push_back(text.substr(start));
            break;
        }
        const std::size_t end = colon - 1; // the letter before the colon
        cut.items.push_back(text.substr(start, end - start));
        start = NextStart(text, end);
    }
    return cut;
}

std::string Normalise(const std::string& text) {
    return CollapseDoubleColons(CollapseDoubleBackslashes(SlashesToBackslashes(text)));
}

} // namespace

void SplitPathsAtDrives(const std::string& text, std::deque<std::string>& paths) {
    const std::string normalised = Normalise(text);
    Cut cut = CutAtDrives(normalised);
    paths.clear();
    if (!cut.anyStart) {
        paths.push_back(normalised);
        return;
    }
    if (!cut.leading.empty())
        paths.push_back(cut.leading);
    for (std::string& item : cut.items)
        paths.push_back(std::move(item));
}

bool ValidateAndSplitPathText(const std::string& text, std::deque<std::string>& paths, std::string& message,
                              std::string& normalised) {
    std::string valid;
    if (!ValidateIncludeText(text, valid, message))
        return false;
    normalised = valid;
    paths = CutAtDrives(valid).items;
    return true;
}

bool SplitPathText(const std::string& text, std::deque<std::string>& kept,
                   std::deque<std::string>& rejected) {
    std::deque<std::string> items;
    SplitPathsAtDrives(text, items);
    std::deque<std::string> refused;
    std::string message; // the passes' messages are not wanted here

    std::deque<std::string> passed;
    for (std::string& item : items) {
        if (AnalyseDriveColons(item, message))
            passed.push_back(std::move(item));
        else
            refused.push_back(std::move(item));
    }
    std::deque<std::string> valid;
    for (std::string& item : passed) {
        if (ValidateFolderName(item, message))
            valid.push_back(std::move(item));
        else
            refused.push_back(std::move(item));
    }
    std::deque<std::string> accepted;
    for (std::string& item : valid) {
        if (item.size() < MaximumPathLength)
            accepted.push_back(std::move(item));
        else
            refused.push_back(std::move(item));
    }
    kept = std::move(accepted);
    rejected = std::move(refused);
    return rejected.empty();
}
