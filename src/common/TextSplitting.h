#pragma once
// Cutting one line of text into items: stretches between pairs of marks stay
// whole, the rest is cut at white space or at separator characters. Positions
// count from 0.

#include "ui/Desktop.h"

#include <cstdint>
#include <deque>
#include <string>

// Appends every position at which `mark` starts in `text`, ascending, and
// returns how many were found. Occurrences may overlap; an empty mark is found
// at every position of the text.
int FindAllPositions(const std::string& text, const std::string& mark, std::deque<int32_t>& positions);

bool IsOdd(int32_t value);

// The runs of characters other than blank, tab, line feed, vertical tab, form
// feed and carriage return.
std::deque<std::string> SplitWords(const std::string& text);

// The non-empty runs between characters of `separators`.
std::deque<std::string> SplitAtSeparators(const std::string& text, const std::string& separators);

// Each stretch between the n-th and (n+1)-th mark for odd n becomes one item
// with its blanks trimmed, even when empty; the stretches outside marks are
// cut into words. After an odd number of marks the rest counts as inside.
std::deque<std::string> SplitByMarks(const std::string& text, const std::deque<int32_t>& positions);

// As SplitByMarks, but the stretches outside marks are cut at `separators`.
std::deque<std::string> SplitImportLine(const std::string& text, const std::string& separators,
                                        const std::deque<int32_t>& positions);

// Splits a typed list of terms at blanks, a part between double quotes staying
// one item. An empty text leaves `items` alone and succeeds. An odd number of
// double quotes leaves `items` empty and returns false, with warning 0519 in
// `refusal` for the caller to show.
bool ParseMarkedText(const std::string& text, std::deque<std::string>& items, ui::MessageBoxRequest& refusal);
