#pragma once
// The order and the case rule of the list controls. A sorted list compares its
// items with letters taken as upper case (a-z as A-Z, and letters beyond ASCII
// by their Unicode upper case); texts that are equal that way are ordered by
// their exact bytes, so the order is total and repeatable. Whole-item lookup
// treats two texts as the same item when their folded forms are equal, which
// makes items that differ only in case neighbours in a sorted list.

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// Every letter in its upper case, everything else as it is (bytes that are
// not valid UTF-8 included). Equal results mean "the same item, ignoring case".
std::string FoldCase(std::string_view text);

// Negative, zero or positive as `a` comes before, equals or comes after `b` in
// a sorted list. Zero only for identical bytes.
int CompareListOrder(std::string_view a, std::string_view b);

// The same order when `a` is already folded (FoldCase) and `b` is not.
int CompareListOrderFolded(std::string_view a, std::string_view aFolded, std::string_view b);

// A text's folded form for sorting many texts: its first bytes are packed into
// two numbers, which decide most comparisons without reading the text itself
// (a long list sorted through pointers to its texts spends its time waiting
// for memory).
struct ListOrderKey {
    explicit ListOrderKey(std::string_view text);
    std::uint64_t head[2];
    std::string folded;
};

// CompareListOrder(aText, bText), from their keys.
int CompareListOrderKeys(const ListOrderKey& a, std::string_view aText, const ListOrderKey& b,
                         std::string_view bText);

struct ListOrderLess {
    bool operator()(std::string_view a, std::string_view b) const { return CompareListOrder(a, b) < 0; }
};

} // namespace ui
