#pragma once
// The order and the case rule of the list controls. A sorted list orders its
// items as the platform's sorted lists do for a person: case-insensitively and
// by the alphabet, so a letter with a mark sorts with its base letter (Ä with
// A, é with E, ß as SS), the plain letter first. Texts that are equal that way
// are ordered by their letters taken as upper case, then by their exact bytes,
// so the order is total and repeatable. Whole-item lookup treats two texts as
// the same item when their upper-case forms are equal ("Äpfel" and "Apfel"
// stay two items), which makes items that differ only in case neighbours in a
// sorted list.

#include "platform/CaseFolding.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// Every letter in its upper case, everything else as it is (bytes that are
// not valid UTF-8 included). Equal results mean "the same item, ignoring
// case": the platform's rule, by which a path finds its folder, so that a list
// never takes two folders of the disk for one item, nor one folder for two.
using platform::FoldCase;

// A folded text's letters as the alphabet ranks them: each letter with a mark
// as its base letter, the marks dropped, ß, Æ and Œ as SS, AE and OE.
std::string AlphabetKey(std::string_view folded);

// The order of two folded texts, their exact bytes aside: by their alphabet
// keys, then by the folded texts. Zero when they are the same item.
int CompareFoldedTexts(std::string_view aFolded, std::string_view bFolded);

// Negative, zero or positive as `a` comes before, equals or comes after `b` in
// a sorted list. Zero only for identical bytes.
int CompareListOrder(std::string_view a, std::string_view b);

// The same order when `a` is already folded (FoldCase) and `b` is not.
int CompareListOrderFolded(std::string_view a, std::string_view aFolded, std::string_view b);

// A text's folded form for sorting many texts: the first bytes of its
// alphabet key are packed into two numbers, which decide most comparisons
// without reading the text itself (a long list sorted through pointers to its
// texts spends its time waiting for memory).
struct ListOrderKey {
    explicit ListOrderKey(std::string_view text);
    // The alphabet key; the folded text itself when that is plain ASCII.
    std::string_view Alphabet() const {
        return ascii ? std::string_view(folded) : std::string_view(alphabet);
    }
    std::uint64_t head[2];
    std::string folded;
    bool ascii = true;
    std::string alphabet; // only when not `ascii`
};

// CompareListOrder(aText, bText), from their keys.
int CompareListOrderKeys(const ListOrderKey& a, std::string_view aText, const ListOrderKey& b,
                         std::string_view bText);

struct ListOrderLess {
    bool operator()(std::string_view a, std::string_view b) const { return CompareListOrder(a, b) < 0; }
};

} // namespace ui
