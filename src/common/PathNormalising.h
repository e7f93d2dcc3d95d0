#pragma once
// Bringing path texts into one form: backslashes only, no doubled separators.

#include <string>

// Turns every slash of `text` into a backslash (in place) and returns the
// number of backslashes: the depth of the path.
unsigned CountBackslashes(std::string& text);

std::string SlashesToBackslashes(const std::string& text);

// Every run of backslashes becomes one backslash (a network path's leading
// pair too).
std::string CollapseDoubleBackslashes(const std::string& text);

// Every run of colons becomes one colon.
std::string CollapseDoubleColons(const std::string& text);
