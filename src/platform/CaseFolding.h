#pragma once
// Letter case as the Windows file system sees it: names are compared through
// their upper-case forms, letters beyond ASCII included. Texts are UTF-8; a
// byte that is not part of a valid sequence stays a character of its own.

#include <string>
#include <string_view>

namespace platform {

// The upper-case form of a text, used as the key of case-insensitive lookups.
std::string FoldCase(std::string_view text);

// The code points of FoldCase(text). A byte that is not valid UTF-8 becomes
// U+DC00 plus the byte, which no valid text decodes to.
std::u32string FoldedCodePoints(std::string_view text);

// Orders names as an NTFS folder does: by their upper-case forms, equal forms
// by their exact bytes. Negative, zero or positive.
int CompareIgnoringCase(std::string_view a, std::string_view b);

} // namespace platform
