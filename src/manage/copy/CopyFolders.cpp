#include "manage/copy/CopyFolders.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "platform/CaseFolding.h"

#include <algorithm>
#include <set>

namespace {

bool Holds(const CopyFolder& outer, const CopyFolder& inner) {
    return !outer.holding.empty() && std::find(inner.holding.begin(), inner.holding.end(),
                                               outer.holding.front()) != inner.holding.end();
}

bool IsDriveRoot(const std::string& full) {
    return full.size() == 3 && full[1] == ':' && full[2] == '\\';
}

} // namespace

CopyFolder ResolveCopyFolder(const std::string& line) {
    CopyFolder folder;
    folder.line = ExcludeTrailingPathDelimiter(Trim(line));
    const std::string trimmed = Trim(line);
    folder.hasDrive = !ExtractFileDrive(trimmed).empty();
    if (!folder.hasDrive)
        return folder;
    if (!platform::GetFullPathNameA(trimmed, folder.full))
        folder.full.clear();
    folder.exists = DirectoryExists(trimmed);
    platform::EntryIdentity identity;
    if (folder.exists && platform::GetResolvedIdentity(trimmed, identity))
        folder.identity = identity;
    return folder;
}

void FindHolding(CopyFolder& folder) {
    if (!folder.exists || !platform::GetHoldingIdentities(PathOf(folder), folder.holding))
        folder.holding.clear();
}

std::vector<CopyFolder> UniqueCopyFolders(const std::vector<std::string>& lines) {
    std::vector<CopyFolder> folders;
    std::set<platform::EntryIdentity> identities;
    std::set<std::string> texts;
    for (const std::string& line : lines) {
        if (Trim(line).empty())
            continue;
        CopyFolder folder = ResolveCopyFolder(line);
        const bool first =
            folder.identity
                ? identities.insert(*folder.identity).second
                : texts.insert(platform::FoldCase(folder.full.empty() ? folder.line : folder.full)).second;
        if (first)
            folders.push_back(std::move(folder));
    }
    return folders;
}

StructurePlace PlaceOfStructure(const CopyFolder& structure, const CopyFolder& folder) {
    if (structure.identity && structure.identity == folder.identity)
        return StructurePlace::Same;
    if (Holds(structure, folder))
        return StructurePlace::HoldsFolder;
    if (Holds(folder, structure))
        return StructurePlace::InsideFolder;
    if (IsDriveRoot(structure.full) && !folder.full.empty() &&
        platform::FoldCase(folder.full.substr(0, 2)) == platform::FoldCase(structure.full.substr(0, 2)))
        return StructurePlace::HoldsFolder;
    return StructurePlace::Apart;
}
