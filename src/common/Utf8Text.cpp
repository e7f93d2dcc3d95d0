#include "common/Utf8Text.h"

#include "platform/Utf8Coding.h"

namespace utf8 {

std::string CharacterBefore(const std::string& text, std::size_t end) {
    if (end == 0 || end > text.size())
        return {};
    // A character is at most four bytes long: try each possible start.
    for (std::size_t back = 2; back <= 4 && back <= end; ++back) {
        if (platform::DecodeUtf8(text, end - back).length == back)
            return text.substr(end - back, back);
    }
    return text.substr(end - 1, 1);
}

} // namespace utf8
