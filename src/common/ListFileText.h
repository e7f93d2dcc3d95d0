#pragma once
// Reading a list file (given its Windows path) whole, decoded into the
// program's UTF-8 by DecodeText. Every reader of list files comes here, so
// that all of them see the same items and refuse the same files.

#include <optional>
#include <string>

// The file's text, or nothing when it cannot be read: a drive that is not
// present, a missing file, no permission, anything that is not a regular file
// (a folder, a pipe that would wait for a writer, a device that may never
// end, a socket), which is refused before a byte is read, and a read that
// fails part-way.
std::optional<std::string> ReadListFileText(const std::string& fileName);
