#pragma once
// The one way a list reaches the export window: the caller's own warning for
// an empty list, then the window's source reset and filled with the items that
// pass the caller's item test (each item once, letter case ignored), the list
// type set and the window shown modally. Nothing comes back.

#include <functional>
#include <string>
#include <vector>

class QProgressBar;
class QWidget;

struct ExportHandOver {
    // The caller's warning for an empty list.
    QWidget* owner = nullptr;
    std::string emptyCaption;
    std::string emptyText;
    // The caller's item test; none hands over every item.
    std::function<bool(const std::string&)> accept;
    // "STRINGS" for the strings page's Include list, "FOLDERS" for every other list.
    std::string listType = "FOLDERS";
    // Shown, when given, while the items are handed over.
    QProgressBar* progressBar = nullptr;
};

// False, after the caller's warning, when `items` is empty; otherwise the
// export window was shown.
bool HandOverToFileExport(const std::vector<std::string>& items, const ExportHandOver& how);

// The item test of the lists of folders: the trimmed item has a drive part.
bool HasDrivePart(const std::string& item);
