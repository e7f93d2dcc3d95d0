#pragma once
// Cleaning item lists.

#include <deque>
#include <string>

// Every item longer than 0 characters, unchanged and in order (blanks stay).
std::deque<std::string> DropEmptyItems(std::deque<std::string> items);

// Drops items that are empty after Trim and items whose exact text (untrimmed,
// case counted) came before; the rest in their first order.
std::deque<std::string> RemoveDuplicates(std::deque<std::string> items);
