#include "platform/Wildcard.h"

#include "platform/CaseFolding.h"
#include "platform/FileSystem.h"

namespace platform {

namespace detail {

WildcardPattern::WildcardPattern(const std::string& pattern) {
    everything_ = pattern == "*" || pattern == "*.*";
    const std::u32string folded = FoldedCodePoints(pattern);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const char32_t c = folded[i];
        const bool last = i + 1 == folded.size();
        const char32_t next = last ? U'\0' : folded[i + 1];
        if (c == U'*')
            tokens_.push_back({next == U'.' ? Kind::StarBeforeDot : Kind::Star, c});
        else if (c == U'?')
            tokens_.push_back({Kind::Question, c});
        else if (c == U'.' && (last || next == U'*' || next == U'?'))
            tokens_.push_back({Kind::Dot, c});
        else
            tokens_.push_back({Kind::Literal, c});
    }
}

bool WildcardPattern::Matches(const std::string& name) const {
    if (everything_)
        return true;
    const std::u32string text = FoldedCodePoints(name);
    const std::size_t n = text.size();
    const std::size_t lastDot = text.rfind(U'.');
    // below[j]: the tokens after the current one match text[j..]; filled from
    // the last token backwards, so the work is tokens times characters.
    std::vector<char> below(n + 1, 0), row(n + 1, 0);
    below[n] = 1;
    for (std::size_t t = tokens_.size(); t-- > 0;) {
        const Token& token = tokens_[t];
        for (std::size_t j = n + 1; j-- > 0;) {
            const bool atEnd = j == n;
            bool match = false;
            switch (token.kind) {
            case Kind::Literal:
                match = !atEnd && text[j] == token.character && below[j + 1];
                break;
            case Kind::Star:
                match = below[j] || (!atEnd && row[j + 1]);
                break;
            case Kind::StarBeforeDot:
                match = below[j] || (!atEnd && j != lastDot && row[j + 1]);
                break;
            case Kind::Question:
                if (atEnd || text[j] == U'.')
                    match = below[j];
                else
                    match = below[j + 1];
                break;
            case Kind::Dot:
                match = atEnd ? below[j] : (text[j] == U'.' && below[j + 1]);
                break;
            }
            row[j] = match ? 1 : 0;
        }
        below.swap(row);
    }
    return below[0] != 0;
}

} // namespace detail

bool MatchesWildcard(const std::string& name, const std::string& pattern) {
    return detail::WildcardPattern(pattern).Matches(name);
}

} // namespace platform
