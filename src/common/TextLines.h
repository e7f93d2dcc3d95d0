#pragma once
// Texts that arrive in a one-line field with line breaks in them, as a paste
// of several lines does.

#include <cstddef>
#include <string>
#include <vector>

// The lines of a text, cut at "\r\n", "\n" and "\r"; the breaks themselves are
// in no line. A text without a break is its own single line.
std::vector<std::string> SplitLines(const std::string& text);

// The lines joined again with "\n" between them.
std::string JoinLines(const std::vector<std::string>& lines, std::size_t from = 0);

// Where the first control character (below the blank) stands, or npos. Folder
// names cannot hold one.
std::size_t FindControlCharacter(const std::string& text);

// A control character as a person can read it in a message: its name, since
// the character itself would print as nothing or as a line break.
std::string ControlCharacterName(char c);
