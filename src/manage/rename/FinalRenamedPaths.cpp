#include "manage/rename/FinalRenamedPaths.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

std::vector<std::string> FinalRenamedPaths(const std::vector<DoneRename>& renames) {
    std::vector<std::string> finals(renames.size());
    std::vector<bool> renamedAgain(renames.size(), false);
    // No folder shallower than the shallowest source was renamed: its key
    // need not be looked up.
    std::vector<std::string> sourceKeys;
    sourceKeys.reserve(renames.size());
    unsigned shallowestSource = std::numeric_limits<unsigned>::max();
    for (const DoneRename& rename : renames) {
        sourceKeys.push_back(FolderKey(rename.source));
        shallowestSource = std::min(shallowestSource, NormalFolderDepth(sourceKeys.back()));
    }
    // A run renames many folders of one parent: the key of each parent is
    // worked out once.
    std::unordered_map<std::string, std::string> parentKeys;
    const auto parentKey = [&parentKeys](const std::string& folder) -> const std::string& {
        auto known = parentKeys.find(folder);
        if (known == parentKeys.end())
            known = parentKeys.emplace(folder, FolderKey(folder)).first;
        return known->second;
    };
    // Walked from the last rename back: each later rename's final path is
    // known when an earlier one asks whether it or one of its parents moved.
    // The deepest folder that moved already carries the moves of its parents.
    std::unordered_map<std::string_view, size_t> lastRenameOf;
    lastRenameOf.reserve(renames.size());
    for (size_t i = renames.size(); i-- > 0;) {
        const std::string& target = renames[i].target;
        std::string final = target;
        std::string folder = target;
        for (;;) {
            const std::string ownKey = folder.size() == target.size() ? FolderKey(folder) : std::string();
            const std::string& key = ownKey.empty() ? parentKey(folder) : ownKey;
            if (NormalFolderDepth(key) >= shallowestSource) {
                auto moved = lastRenameOf.find(key);
                if (moved != lastRenameOf.end()) {
                    final = finals[moved->second] + target.substr(folder.size());
                    renamedAgain[i] = folder.size() == target.size();
                    break;
                }
            }
            std::string parent = ExtractFileDir(folder);
            if (parent.empty() || parent == folder)
                break;
            folder = std::move(parent);
        }
        finals[i] = std::move(final);
        lastRenameOf[sourceKeys[i]] = i;
    }
    std::vector<std::string> lasts;
    for (size_t i = 0; i < renames.size(); ++i) {
        if (!renamedAgain[i])
            lasts.push_back(std::move(finals[i]));
    }
    return lasts;
}
