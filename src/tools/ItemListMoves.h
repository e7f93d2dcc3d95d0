#pragma once
// Moving items between a page's Include and Exclude lists, and deleting
// items, in a way that stays fast for lists of 100,000 items: each "is it
// already there" test is the list's own lookup, and the lists are changed in
// one go rather than item by item.

#include <functional>
#include <vector>

namespace ui {
class ListBox;
}

// Adds the items at `rows` (ascending) of `from` that `to` does not hold yet
// (ignoring case) to `to`, then deletes those rows from `from`. `perItem` runs
// after each item looked at.
void MoveListRows(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows,
                  const std::function<void()>& perItem = {});

// Every row of the list, ascending.
std::vector<int> AllListRows(const ui::ListBox& list);

// Deletes the rows (ascending) from the list.
void DeleteListRows(ui::ListBox& list, const std::vector<int>& rows);
