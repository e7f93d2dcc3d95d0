#include "common/ItemListRules.h"

#include "common/FrameworkText.h"

#include <unordered_set>

std::deque<std::string> DropEmptyItems(std::deque<std::string> items) {
    std::deque<std::string> result;
    for (std::string& item : items) {
        if (!item.empty())
            result.push_back(std::move(item));
    }
    return result;
}

std::deque<std::string> RemoveDuplicates(std::deque<std::string> items) {
    std::deque<std::string> result;
    std::unordered_set<std::string> taken;
    for (std::string& item : items) {
        if (Trim(item).empty())
            continue;
        if (taken.insert(item).second)
            result.push_back(std::move(item));
    }
    return result;
}
