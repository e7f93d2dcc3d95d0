#pragma once
// Cleans the items of a folder list: either every distinct non-blank item, or
// only the top-level folders among them (a folder lying inside another listed
// folder is dropped), so that a folder and its subfolder are not both
// processed. One normaliser serves one list.

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>

class FolderListNormaliser {
public:
    // The list's items as it holds them, of any length.
    explicit FolderListNormaliser(std::deque<std::string> items);

    // Every distinct item that is not blank, untrimmed, in byte order.
    void BuildUniqueList();
    // The distinct items that lie inside no other listed item (compared
    // ignoring case), shallow ones first, equal depths in byte order.
    void BuildTopLevelList();

    std::deque<std::string> GetResult() const { return result_; }

private:
    void ReadItems();

    std::deque<std::string> items_;
    std::set<std::string> distinctItems_;
    std::multimap<uint32_t, std::string> itemsByDepth_;
    std::deque<std::string> result_;
};
