#pragma once
// General file helpers: the current directory, path splitting, blank
// trimming, number texts, drive-type names, emptying a folder and counting
// subfolders. Texts are UTF-8 byte strings; positions count from 0.

#include <cstdint>
#include <string>

// The simulated current directory (a Windows path, of any length); false and
// "" when there is none.
bool GetCurrentFolder(std::string& folder);

// Cuts at the first colon: drive = up to and including it, rest = after it,
// true. Without a colon: drive = "", rest = path, false.
bool SplitDriveAndRest(const std::string& path, std::string& drive, std::string& rest);

// Turns the slashes of `path` into backslashes (in place) and cuts it at its
// last backslash: returns the parent part up to and including that backslash,
// `last` gets the part after it; both without blanks at their ends. Without a
// backslash: returns the whole path as it is, `last` = "".
std::string SplitFolderAndName(std::string& path, std::string& last);

// Lower-case copy (as AnsiLowerCase: letters beyond A-Z too, same byte length).
std::string LowerCaseCopy(const std::string& text);

// Copy without leading and trailing blanks (code 32 only; tabs stay).
std::string TrimBlanks(const std::string& text);

// All decimal digits of a whole number, "-" for negatives, no exponent, point
// or grouping (a fraction is rounded to the nearest whole number).
std::string DoubleToText(double value);

// Decimal digits with a leading "-" for negatives.
std::string LongToText(int64_t value);

// DoubleToText(value), left-padded with "0" to `width` characters (after the
// sign of a negative value); a text already as long is returned unchanged.
std::string ZeroPadNumber(double value, int width);

// True when the path's first character is the letter of a present drive (case
// ignored); `name` gets the drive's type name ("Fixed drive" ...), or "".
bool DriveTypeName(const std::string& path, std::string& name);

// Deletes everything inside the folder (no confirmation, no recycle bin); the
// folder itself stays. True when everything was deleted. Refuses (false,
// nothing deleted) a path that is empty, has no drive part or is a drive's root.
bool EmptyFolderContents(const std::string& folder);

// True when the folder has at most `count` subfolders; a folder that cannot be
// listed (or an empty text) has none. The current directory is changed while it runs and restored.
bool HasAtMostSubfolders(unsigned count, const std::string& folder);
