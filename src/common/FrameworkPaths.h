#pragma once
// Path-text routines of the framework's run-time layer, for Windows-style paths
// (drive letter, colon, backslashes). They only look at the text, never at the
// disk. Delimiters are the backslash and, where said, the colon; a slash is not
// a delimiter here (callers turn slashes into backslashes first).

#include <cstddef>
#include <string>
#include <string_view>

// "C:" when the second character is a colon; "\\server\share" for a network
// path; otherwise "" (callers read "" as: the path has no drive part).
std::string ExtractFileDrive(const std::string& path);
// Whether that drive part is there: the text begins with "X:" or "\\".
bool HasFileDrive(std::string_view path);

// Everything after the last backslash or colon; the whole text when there is none.
std::string ExtractFileName(const std::string& path);
// Where that name begins: 0 when there is no backslash or colon.
std::size_t FileNameStart(const std::string& path);

// Everything before the last backslash or colon. The backslash stays only when
// the character before it is a colon or a backslash: C:\abc -> C:\,
// C:\abc\def -> C:\abc, C:abc -> C:, abc -> "".
std::string ExtractFileDir(const std::string& path);
// How many characters of `path` that folder part is.
std::size_t FileDirLength(const std::string& path);

// From the last dot to the end, dot included, when that dot lies after the
// last backslash and colon; otherwise "".
std::string ExtractFileExt(const std::string& path);

// The path with one backslash appended unless it already ends with one.
std::string IncludeTrailingPathDelimiter(const std::string& path);

// The path without its last character when that is a backslash (one at most).
std::string ExcludeTrailingPathDelimiter(const std::string& path);
