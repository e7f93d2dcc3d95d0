#include "common/FolderListNormaliser.h"

#include "common/FileHelpers.h"
#include "common/FrameworkText.h"
#include "common/PathNormalising.h"

#include <list>
#include <string_view>
#include <utility>

namespace {

// Whether `candidate`, with a trailing backslash added when it has none, starts
// with `kept` (ignoring case) followed by a backslash. A kept folder given with
// a trailing backslash therefore only takes items that continue with another
// one.
bool LiesInside(const std::string& candidate, const std::string& kept) {
    const size_t n = kept.size();
    bool backslashFollows;
    if (n < candidate.size())
        backslashFollows = candidate[n] == '\\';
    else if (n == candidate.size())
        backslashFollows = candidate.back() != '\\'; // the added one
    else
        return false;
    // The cheap test first: most candidates fail it.
    return backslashFollows && AnsiSameText(candidate.substr(0, n), kept);
}

} // namespace

FolderListNormaliser::FolderListNormaliser(std::deque<std::string> items) : items_(std::move(items)) {}

void FolderListNormaliser::ReadItems() {
    distinctItems_.clear();
    for (const std::string& item : items_) {
        if (!TrimBlanks(item).empty())
            distinctItems_.insert(item);
    }
}

void FolderListNormaliser::BuildUniqueList() {
    ReadItems();
    result_.assign(distinctItems_.begin(), distinctItems_.end());
}

void FolderListNormaliser::BuildTopLevelList() {
    ReadItems();
    itemsByDepth_.clear();
    for (const std::string& item : distinctItems_) {
        std::string depthCopy = item;
        itemsByDepth_.emplace(CountBackslashes(depthCopy), item);
    }

    std::list<std::string> work;
    for (const auto& [depth, item] : itemsByDepth_)
        work.push_back(item);

    result_.clear();
    while (!work.empty()) {
        std::string kept = std::move(work.front());
        work.pop_front();
        for (auto it = work.begin(); it != work.end();) {
            if (LiesInside(*it, kept))
                it = work.erase(it);
            else
                ++it;
        }
        result_.push_back(std::move(kept));
    }
}
