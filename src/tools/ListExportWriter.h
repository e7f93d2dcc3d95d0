#pragma once
// The bytes of a list export and their writing to a file.

#include <string>
#include <vector>

struct ListExportOptions {
    // false: one item per line; true: all items on one line, joined by the delimiter.
    bool separated = false;
    // The delimiter as chosen; "space" stands for one blank.
    std::string delimiter;
    // Each item between double quotes, a double quote inside it doubled.
    bool quotes = false;
};

// The export's text: UTF-8 as the items are, every line ended by "\n". No
// items give an empty text.
std::string FormatListExport(const std::vector<std::string>& items, const ListExportOptions& options);

// The delimiter a choice stands for ("space", whatever its case and blanks, is one blank).
std::string ExportDelimiter(const std::string& choice);

// Writes the content to the file (a Windows path) through a temporary file
// beside it that is renamed over it only when every byte was written, so a
// failed export leaves an earlier file as it was. False on any failure.
bool WriteExportFile(const std::string& windowsPath, const std::string& content);
