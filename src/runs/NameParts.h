#pragma once
// The four texts a creation page joins with an item into a folder name.

#include <string>

struct _tagVol0XParts {
    // On the strings and numbers pages: destination with a trailing backslash,
    // prefix and prefix separator; unused; suffix separator; suffix.
    std::string Part0;
    std::string Part1;
    std::string Part2;
    std::string Part3;

    // The folder name of an item placed between part 0 and part 2.
    std::string NameOf(const std::string& item) const { return Part0 + item + Part2 + Part3; }
};

// The folder name the parts describe: all four joined in order.
std::string JoinedName(const _tagVol0XParts& parts);

// The parts around an item made inside `folder` (which ends in a backslash):
// the prefix and suffix as typed, joined by "-" when `hyphen` is set and the
// trimmed prefix (suffix) is not empty.
_tagVol0XParts NamePartsInside(const std::string& folder, const std::string& prefix,
                               const std::string& suffix, bool hyphen);

// The parts of the strings and numbers pages: inside the destination, trimmed.
_tagVol0XParts BuildDestinationNameParts(const std::string& destination, const std::string& prefix,
                                         const std::string& suffix, bool hyphen);
