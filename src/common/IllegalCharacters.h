#pragma once
// The characters that may not appear in a path, in a single name part, or in a
// string that becomes a folder below a destination. The sets are empty until
// the main window's creation fills them, and never change afterwards.

#include <set>
#include <string>

// The double quote and * [ ] ; | < > ? (colon, backslash and slash allowed).
extern std::set<std::string> PathIllegalChars;
// The path set plus : \ / (a prefix, a suffix, a rename field).
extern std::set<std::string> NameIllegalChars;
// The path set plus : (backslash and slash allowed, colon not).
extern std::set<std::string> SubpathIllegalChars;

void FillPathIllegalChars();
void FillNameIllegalChars();
void FillSubpathIllegalChars();

// Mode "F" tests against NameIllegalChars, "H" against SubpathIllegalChars,
// any other mode against PathIllegalChars. Returns true at the first character
// of the text that is in the set and puts it into `found` (one character);
// otherwise false and `found` is left unchanged.
bool HasIllegalCharacter(const std::string& text, const std::string& mode, std::string& found);
