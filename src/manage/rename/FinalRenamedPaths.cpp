#include "manage/rename/FinalRenamedPaths.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace {

// A folder above a target, as the target writes it, and its key.
struct Above {
    std::size_t length; // of the target's text that writes it
    std::string key;
};

} // namespace

std::vector<std::string> FinalRenamedPaths(const std::vector<DoneRename>& renames) {
    std::vector<std::string> finals(renames.size());
    std::vector<bool> renamedAgain(renames.size(), false);
    std::vector<std::string> sourceKeys;
    sourceKeys.reserve(renames.size());
    unsigned shallowestSource = std::numeric_limits<unsigned>::max();
    for (const DoneRename& rename : renames) {
        sourceKeys.push_back(FolderKey(rename.source));
        shallowestSource = std::min(shallowestSource, NormalFolderDepth(sourceKeys.back()));
    }
    // A run renames many folders of one parent: the folders above each
    // parent are worked out once, nearest first. One shallower than every
    // renamed folder cannot have been renamed and is left out.
    std::unordered_map<std::string, std::vector<Above>> aboveParent;
    const auto foldersAbove = [&](const std::string& parent) -> const std::vector<Above>& {
        auto known = aboveParent.find(parent);
        if (known != aboveParent.end())
            return known->second;
        std::vector<Above> above;
        for (std::string folder = parent;;) {
            std::string key = FolderKey(folder);
            if (NormalFolderDepth(key) >= shallowestSource)
                above.push_back({folder.size(), std::move(key)});
            std::string next = ExtractFileDir(folder);
            if (next.empty() || next == folder)
                break;
            folder = std::move(next);
        }
        return aboveParent.emplace(parent, std::move(above)).first->second;
    };
    // Walked from the last rename back: each later rename's final path is
    // known when an earlier one asks whether it or one of its parents moved.
    // The deepest folder that moved already carries the moves of its parents.
    std::unordered_map<std::string_view, size_t> lastRenameOf;
    lastRenameOf.reserve(renames.size());
    const auto renamedAs = [&lastRenameOf, &finals](const std::string& key) -> const std::string* {
        auto moved = lastRenameOf.find(key);
        return moved == lastRenameOf.end() ? nullptr : &finals[moved->second];
    };
    for (size_t i = renames.size(); i-- > 0;) {
        const std::string& target = renames[i].target;
        std::string final = target;
        if (const std::string* again = renamedAs(FolderKey(target))) {
            final = *again;
            renamedAgain[i] = true;
        } else if (std::string parent = ExtractFileDir(target); !parent.empty() && parent != target) {
            for (const Above& folder : foldersAbove(parent)) {
                if (const std::string* moved = renamedAs(folder.key)) {
                    final = *moved + target.substr(folder.length);
                    break;
                }
            }
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
