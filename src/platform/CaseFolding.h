#pragma once
// Letter case as the Windows file system sees it: names are compared through
// their upper-case forms, letters beyond ASCII included. Texts are UTF-8; a
// byte that is not part of a valid sequence stays a character of its own.
//
// This is the program's one rule for "the same, ignoring case": a path finds
// an existing entry by it, so every check and list lookup that asks whether
// two names or paths are one uses it too, lest a page call two names one that
// the disk keeps apart (or the other way round). A sorted list may order by a
// collation of its own; whether two items are one item is still told here.

#include <string>
#include <string_view>

namespace platform {

// The upper-case form of a text, used as the key of case-insensitive lookups.
std::string FoldCase(std::string_view text);

// Whether two texts are one name ignoring case: FoldCase(a) == FoldCase(b).
bool SameIgnoringCase(std::string_view a, std::string_view b);

// The code points of FoldCase(text). A byte that is not valid UTF-8 becomes
// U+DC00 plus the byte, which no valid text decodes to.
std::u32string FoldedCodePoints(std::string_view text);

// Orders names as an NTFS folder does: by their upper-case forms, equal forms
// by their exact bytes. Negative, zero or positive.
int CompareIgnoringCase(std::string_view a, std::string_view b);

} // namespace platform
