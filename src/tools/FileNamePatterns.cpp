#include "tools/FileNamePatterns.h"

#include "common/FrameworkText.h"
#include "common/ItemListRules.h"

#include <algorithm>

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::string JoinPatternItems(const std::deque<std::string>& items, std::string text) {
    text += ' ';
    for (const std::string& item : items) {
        if (std::any_of(item.begin(), item.end(), IsWhiteSpace))
            text += '"' + item + '"';
        else
            text += item;
        text += ' ';
    }
    return Trim(text);
}

std::deque<std::string> PatternListOf(const std::deque<std::string>& splitItems) {
    return RemoveDuplicates(DropEmptyItems(splitItems));
}

std::vector<std::string> ItemsWithoutPeriod(const std::deque<std::string>& splitItems) {
    std::vector<std::string> items;
    for (const std::string& item : splitItems) {
        if (item.find('.') == std::string::npos)
            items.push_back(item);
    }
    return items;
}
