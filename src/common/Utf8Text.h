#pragma once
// Walking UTF-8 texts that may hold bytes which are not valid UTF-8: such a
// byte is taken as a character of its own, so nothing is lost or misread.

#include <cstddef>
#include <string>

namespace utf8 {

// The whole character that ends at byte `end` (exclusive): its bytes when
// they form one valid sequence, else the single byte before `end`.
std::string CharacterBefore(const std::string& text, std::size_t end);

} // namespace utf8
