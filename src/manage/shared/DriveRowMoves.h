#pragma once
// Moving lines between the Include and Exclude lists of the rename, delete
// and copy pages: every moved line leaves its list, and joins the other one
// only with a drive part and when that list does not hold it yet (ignoring
// case). What counts as a drive part is each page's own.

#include <functional>
#include <string>
#include <vector>

namespace ui {
class ListBox;
}

// `rows` ascending; `perItem` runs after each line looked at. A line that
// would go over and `mayEnter` refuses ends the move at once: the lines before
// it have joined `to`, and every row stays in `from`; the result is false then.
bool MoveDriveRows(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows,
                   const std::function<bool(const std::string&)>& hasDrive,
                   const std::function<void()>& perItem = {},
                   const std::function<bool(const std::string&)>& mayEnter = {});
