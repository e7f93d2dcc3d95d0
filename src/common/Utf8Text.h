#pragma once
// Walking UTF-8 texts that may hold bytes which are not valid UTF-8: such a
// byte is taken as a character of its own, so nothing is lost or misread.

#include <cstddef>
#include <string>

namespace utf8 {

// Marks a byte that does not start a valid UTF-8 sequence.
constexpr char32_t InvalidByte = 0xFFFFFFFFu;

// The character starting at `pos` (pos < text.size()) and its length in bytes
// (1 to 4). An invalid sequence gives InvalidByte and length 1.
char32_t DecodeAt(const std::string& text, std::size_t pos, std::size_t& length);

// The UTF-8 bytes of a code point (at most U+10FFFF, no surrogate).
std::string Encode(char32_t codePoint);

// The whole character that ends at byte `end` (exclusive): its bytes when
// they form one valid sequence, else the single byte before `end`.
std::string CharacterBefore(const std::string& text, std::size_t end);

} // namespace utf8
