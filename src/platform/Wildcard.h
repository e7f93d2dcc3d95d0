#pragma once
// Internal to the platform layer: a name pattern of a listing, read once and
// matched against many names.

#include <string>
#include <vector>

namespace platform::detail {

// The rules of a Windows listing: letters match ignoring case; * matches any
// run of characters; ? matches one character, or none at the end of the name
// or before a dot; a dot before a wildcard or at the pattern's end also
// matches the end of the name, so "*.*" matches every name and "a*.*" also
// matches "abc"; a * before a dot never swallows the name's last dot, so "*."
// matches only names without one.
class WildcardPattern {
public:
    explicit WildcardPattern(const std::string& pattern);
    bool Matches(const std::string& name) const;

private:
    enum class Kind { Literal, Star, StarBeforeDot, Question, Dot };
    struct Token {
        Kind kind;
        char32_t character;
    };
    std::vector<Token> tokens_;
    bool everything_ = false;
};

} // namespace platform::detail
