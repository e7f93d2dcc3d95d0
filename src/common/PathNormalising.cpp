#include "common/PathNormalising.h"

namespace {

// One pass instead of replacing the first doubled character again and again:
// same result, linear time.
std::string CollapseRuns(const std::string& text, char c) {
    std::string result;
    result.reserve(text.size());
    for (char next : text) {
        if (next == c && !result.empty() && result.back() == c)
            continue;
        result += next;
    }
    return result;
}

} // namespace

unsigned CountBackslashes(std::string& text) {
    unsigned count = 0;
    for (char& c : text) {
        if (c == '/')
            c = '\\';
        if (c == '\\')
            ++count;
    }
    return count;
}

std::string SlashesToBackslashes(const std::string& text) {
    std::string result = text;
    CountBackslashes(result);
    return result;
}

std::string CollapseDoubleBackslashes(const std::string& text) {
    return CollapseRuns(text, '\\');
}

std::string CollapseDoubleColons(const std::string& text) {
    return CollapseRuns(text, ':');
}
