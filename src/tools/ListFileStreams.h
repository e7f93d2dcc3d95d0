#pragma once
// Opening the list files that the import window and the pages' hidden open
// and save buttons read and write, given their Windows paths.

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

// The file's text, read whole and decoded as every list file is
// (common/ListFileText.h), to be read line by line; or nothing when it cannot
// be read: a drive that is not present, a missing file, no permission,
// anything that is not a regular file, a read that fails part-way.
std::optional<std::istringstream> OpenListFileForReading(const std::string& fileName);

// The file created anew (emptied when it exists), or nothing when it cannot be.
std::optional<std::ofstream> CreateListFile(const std::string& fileName);

// Whether the file name ends in ".txt", in any case: the one kind of file read
// as a list without asking first.
bool HasTxtExtension(const std::string& fileName);

// Reads one line up to its line feed; a carriage return before the line feed
// (a Windows line end) is not part of the line. False at the end of the file.
bool ReadListLine(std::istream& in, std::string& line);

// The first `maxBytes` bytes of `text`, shortened further so that no UTF-8
// character is cut in two; bytes that form no UTF-8 character are simply cut.
std::string CutToBytes(const std::string& text, size_t maxBytes);
