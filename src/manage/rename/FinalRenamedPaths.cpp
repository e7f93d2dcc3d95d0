#include "manage/rename/FinalRenamedPaths.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"

#include <unordered_map>

std::vector<std::string> FinalRenamedPaths(const std::vector<DoneRename>& renames) {
    std::vector<std::string> finals(renames.size());
    // Walked from the last rename back: each later rename's final path is
    // known when an earlier one asks whether one of its parents moved. The
    // deepest parent that moved already carries the moves of its own parents.
    std::unordered_map<std::string, std::string> finalBySource;
    for (size_t i = renames.size(); i-- > 0;) {
        const std::string& target = renames[i].target;
        std::string final = target;
        std::string folder = target;
        for (;;) {
            const std::string parent = ExtractFileDir(folder);
            if (parent.empty() || parent == folder)
                break;
            auto moved = finalBySource.find(FolderKey(parent));
            if (moved != finalBySource.end()) {
                final = moved->second + target.substr(parent.size());
                break;
            }
            folder = parent;
        }
        finals[i] = final;
        finalBySource[FolderKey(renames[i].source)] = final;
    }
    return finals;
}
