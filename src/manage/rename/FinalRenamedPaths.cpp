#include "manage/rename/FinalRenamedPaths.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"

#include <unordered_map>

std::vector<std::string> FinalRenamedPaths(const std::vector<DoneRename>& renames) {
    std::vector<std::string> finals(renames.size());
    std::vector<bool> renamedAgain(renames.size(), false);
    // Walked from the last rename back: each later rename's final path is
    // known when an earlier one asks whether it or one of its parents moved.
    // The deepest folder that moved already carries the moves of its parents.
    std::unordered_map<std::string, std::string> finalBySource;
    for (size_t i = renames.size(); i-- > 0;) {
        const std::string& target = renames[i].target;
        std::string final = target;
        std::string folder = target;
        for (;;) {
            auto moved = finalBySource.find(FolderKey(folder));
            if (moved != finalBySource.end()) {
                final = moved->second + target.substr(folder.size());
                renamedAgain[i] = folder.size() == target.size();
                break;
            }
            const std::string parent = ExtractFileDir(folder);
            if (parent.empty() || parent == folder)
                break;
            folder = parent;
        }
        finals[i] = final;
        finalBySource[FolderKey(renames[i].source)] = final;
    }
    std::vector<std::string> lasts;
    for (size_t i = 0; i < renames.size(); ++i) {
        if (!renamedAgain[i])
            lasts.push_back(std::move(finals[i]));
    }
    return lasts;
}
