#include "common/LevelSelector.h"

#include "common/FileHelpers.h"
#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "platform/CaseFolding.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <utility>

namespace {

// The paths here are in their normal form: a drive's root ends in its
// backslash and lies at depth 0, every name below it adds one.
uint32_t DepthOf(const std::string& path) {
    return IsDriveRoot(path) ? 0 : static_cast<uint32_t>(std::count(path.begin(), path.end(), '\\'));
}

std::string Joined(const std::string& folder, const std::string& name) {
    return IncludeTrailingPathDelimiter(folder) + name;
}

} // namespace

LevelSelector::LevelSelector(std::deque<std::string> inputFolders) : inputFolders_(std::move(inputFolders)) {}

void LevelSelector::SetLevelRange(uint32_t fromLevel, uint32_t toLevel) {
    mode_ = Range;
    fromLevel_ = fromLevel;
    toLevel_ = toLevel;
    aboveLevel_ = belowLevel_ = 0;
}

void LevelSelector::SetAboveLevel(uint32_t level) {
    mode_ = Above;
    aboveLevel_ = level;
    fromLevel_ = toLevel_ = belowLevel_ = 0;
}

void LevelSelector::SetBelowLevel(uint32_t level) {
    mode_ = Below;
    belowLevel_ = level;
    fromLevel_ = toLevel_ = aboveLevel_ = 0;
}

void LevelSelector::SetSubfolderChoice(uint32_t choice) {
    subfolderChoice_ = choice;
}

void LevelSelector::SetFilterFromControl(const std::string& text) {
    filter_ = platform::FoldCase(ExcludeTrailingPathDelimiter(text));
}

void LevelSelector::Run() {
    if (mode_ == NotSet)
        return;
    for (const std::string& input : inputFolders_) {
        // An empty name would list the root of the current drive instead.
        if (input.empty())
            continue;
        // Found folders are joined to the input as Windows reads it: "D:\",
        // "D:\T\", "D:/a" and "D:\a\." give "D:\x", "D:\T\x" and "D:\a\x",
        // which the lists they go to can compare.
        const std::string folder = FolderNormalForm(input);
        baseDepth_ = DepthOf(folder);
        queue_.emplace(baseDepth_, folder);
        while (!queue_.empty())
            FolderStep();
        queue_.clear();
    }
}

void LevelSelector::FolderStep() {
    auto first = queue_.begin();
    const std::string folder = std::move(first->second);
    queue_.erase(first);

    std::string previous;
    const bool remembered = GetCurrentFolder(previous);
    platform::SetCurrentDirectoryA(folder);
    platform::FindData found;
    platform::FindHandle handle = platform::FindFirstFileA(Joined(folder, "*.*"), found);
    if (handle) {
        do {
            if (found.cFileName == "." || found.cFileName == "..")
                continue;
            // A name no path can hold is no subfolder that could be listed.
            if (!platform::IsWindowsName(found.cFileName))
                continue;
            // A link to a folder is a subfolder of its own level with nothing
            // below it: listed by the rules, never followed. A link to a file
            // or to nothing is no folder.
            const bool link = (found.dwFileAttributes & platform::FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            if (link && !(found.dwFileAttributes & platform::FILE_ATTRIBUTE_DIRECTORY))
                continue;
            std::string path = Joined(folder, found.cFileName);
            // Entries that cannot be entered (files, folders without access)
            // are no subfolders here.
            if (link || platform::SetCurrentDirectoryA(path))
                Judge(path, link);
        } while (platform::FindNextFileA(handle, found));
        platform::FindClose(handle);
    }
    if (remembered)
        platform::SetCurrentDirectoryA(previous);
}

bool LevelSelector::IsLeaf() const {
    return currentIsLink_ || HasAtMostSubfolders(0, currentFolder_);
}

bool LevelSelector::LinkEndsNoBranch() const {
    // A folder link is never entered and never makes its folder "not last":
    // where only the last subfolder of each branch is wanted, a link whose
    // folder has no real subfolder is below the end of its branch, which
    // its folder is. Its folder's real subfolders end their branches beside it.
    if (!currentIsLink_ || subfolderChoice_ == 2)
        return false;
    return HasAtMostSubfolders(0, ExtractFileDir(currentFolder_));
}

void LevelSelector::Descend() {
    if (!currentIsLink_)
        queue_.emplace(currentDepth_, currentFolder_);
}

void LevelSelector::Judge(const std::string& path, bool link) {
    currentFolder_ = path;
    currentIsLink_ = link;
    currentDepth_ = DepthOf(path);
    const uint32_t level = currentDepth_ - baseDepth_;
    const bool everySubfolder = subfolderChoice_ == 2;

    switch (mode_) {
    case Range:
        if (level < fromLevel_) {
            Descend();
        } else if (level <= toLevel_) {
            if (everySubfolder || level == toLevel_ || IsLeaf())
                AddMatch();
            // Below the last level of the range nothing is taken: a folder
            // of that level is not listed at all.
            if (level < toLevel_)
                Descend();
        }
        break;
    case Above:
        if (level < aboveLevel_) {
            if (everySubfolder || IsLeaf())
                AddMatch();
            Descend();
        } else if (level == aboveLevel_ && !everySubfolder) {
            // The last level of the branch: taken whole, not looked into.
            AddMatch();
        }
        break;
    case Below:
        if (level <= belowLevel_) {
            Descend();
        } else {
            if (everySubfolder || IsLeaf())
                AddMatch();
            Descend();
        }
        break;
    default:
        break;
    }
}

void LevelSelector::AddMatch() {
    if (LinkEndsNoBranch())
        return;
    if (filter_.empty()) {
        result_.push_back(currentFolder_);
        return;
    }
    std::string path = platform::FoldCase(Trim(currentFolder_));
    std::string lastPart;
    SplitFolderAndName(path, lastPart);
    if (lastPart.find(filter_) != std::string::npos)
        result_.push_back(currentFolder_);
}
