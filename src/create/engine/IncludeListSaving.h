#pragma once
// The hidden Save button of the strings and paths pages: the save dialog with
// the page's filter, then the Include items the page accepts written one per
// line. Each page says what follows a failure and a success.

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

// Nothing when no file was chosen; otherwise whether every accepted item was
// written: a file that could not be written to the end is no saved list.
std::optional<bool> SaveIncludeList(QWidget* owner, const std::string& filter,
                                    const std::vector<std::string>& items,
                                    const std::function<bool(const std::string&)>& accept);
