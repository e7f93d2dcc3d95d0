#include "platform/Utf8Coding.h"

#include <cstdint>
#include <cstring>

namespace platform {

bool IsValidUtf8(std::string_view text) {
    constexpr std::uint64_t highBits = 0x8080808080808080u;
    for (std::size_t pos = 0; pos < text.size();) {
        // Plain ASCII, the bulk of most texts, eight bytes at a time.
        for (std::uint64_t word = 0; pos + sizeof word <= text.size(); pos += sizeof word) {
            std::memcpy(&word, text.data() + pos, sizeof word);
            if (word & highBits)
                break;
        }
        if (pos >= text.size())
            break;
        const Utf8Character c = DecodeUtf8(text, pos);
        if (c.codePoint == NotUtf8)
            return false;
        pos += c.length;
    }
    return true;
}

} // namespace platform
