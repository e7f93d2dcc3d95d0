#pragma once
// The file-name patterns of the file-selection window: the items a typed
// pattern text splits into, cleaned for use, and joined back into one text.

#include <deque>
#include <string>
#include <vector>

// Appends a blank to `text`, then each item and a blank, an item that holds
// white space standing between double quotes; the result is trimmed. The items
// *.txt and "my file.doc" give: *.txt "my file.doc"
std::string JoinPatternItems(const std::deque<std::string>& items, std::string text);

// The patterns split items stand for, in split order: no empty or blank item
// (which would match nothing, or everything once trimmed by a reader) and no
// later repetition of an item (exact comparison).
std::deque<std::string> PatternListOf(const std::deque<std::string>& splitItems);

// The split items that hold no ".", in split order.
std::vector<std::string> ItemsWithoutPeriod(const std::deque<std::string>& splitItems);
