#include "common/FolderTreeScanner.h"

#include "common/FileHelpers.h"
#include "common/FrameworkFiles.h"
#include "common/PathNormalising.h"
#include "common/SettingLists.h"
#include "platform/FileSystem.h"

#include <deque>
#include <utility>

namespace {

uint32_t DepthOf(std::string path) {
    return CountBackslashes(path);
}

bool IsDotEntry(const std::string& name) {
    return name == "." || name == "..";
}

// Makes a folder current for one folder step and gives the previous current
// directory back however the step ends.
class CurrentFolderSwitch {
public:
    explicit CurrentFolderSwitch(const std::string& folder) : remembered_(GetCurrentFolder(previous_)) {
        platform::SetCurrentDirectoryA(folder);
    }
    ~CurrentFolderSwitch() {
        if (remembered_)
            platform::SetCurrentDirectoryA(previous_);
    }
    CurrentFolderSwitch(const CurrentFolderSwitch&) = delete;
    CurrentFolderSwitch& operator=(const CurrentFolderSwitch&) = delete;

private:
    std::string previous_;
    bool remembered_;
};

// Lists folder\*.* in the file system's order and hands every entry other than
// "." and ".." to `visit` with its full path.
template <typename Visit> void ForEachEntry(const std::string& folder, Visit visit) {
    platform::FindData found;
    platform::FindHandle handle = platform::FindFirstFileA(folder + "\\*.*", found);
    if (!handle)
        return;
    do {
        if (!IsDotEntry(found.cFileName))
            visit(found, folder + "\\" + found.cFileName);
    } while (platform::FindNextFileA(handle, found));
    platform::FindClose(handle);
}

uint64_t SizeOf(const platform::FindData& found) {
    return (static_cast<uint64_t>(found.nFileSizeHigh) << 32) + found.nFileSizeLow;
}

bool IsLink(uint32_t attributes) {
    return (attributes & platform::FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// A folder the walk may step into: a folder by its listing, not a link, and
// with a name that can be joined into a path.
bool MayDescend(const platform::FindData& found, const std::string& fullPath) {
    if (IsLink(found.dwFileAttributes) || !platform::IsWindowsName(found.cFileName))
        return false;
    return platform::SetCurrentDirectoryA(fullPath);
}

} // namespace

FolderTreeScanner::FolderTreeScanner(const std::string& rootFolder) : rootFolder_(rootFolder) {
    if (!rootFolder_.empty())
        QueueFolder(rootFolder_);
}

void FolderTreeScanner::SetCountRootFolder(bool countRoot) {
    countRootFolder_ = countRoot;
}

void FolderTreeScanner::SetCountClosedFolders(bool countClosed) {
    countClosedFolders_ = countClosed;
}

void FolderTreeScanner::SetFolderLinksAsFolders(bool asFolders) {
    folderLinksAsFolders_ = asFolders;
}

void FolderTreeScanner::QueueFolder(const std::string& path) {
    // A multimap keeps equal keys in order of arrival, so the walk takes the
    // folders of one depth in the order they were found.
    uint32_t depth = DepthOf(path);
    queue_.emplace(depth, FolderQueueEntry{depth, path});
}

FolderQueueEntry FolderTreeScanner::TakeFirstQueued() {
    auto first = queue_.begin();
    FolderQueueEntry entry = std::move(first->second);
    queue_.erase(first);
    return entry;
}

void FolderTreeScanner::FinishFolderCount() {
    if (!countRootFolder_)
        --folderCount_;
}

void FolderTreeScanner::Run() {
    while (!queue_.empty())
        FolderStep();
    FinishFolderCount();
}

void FolderTreeScanner::FolderStep() {
    FolderQueueEntry entry = TakeFirstQueued();
    ++levelCountMap_[entry.depth];
    CurrentFolderSwitch inFolder(entry.path);
    ForEachEntry(entry.path, [this](const platform::FindData& found, std::string fullPath) {
        if (MayDescend(found, fullPath)) {
            QueueFolder(fullPath);
            ++folderCount_;
            return;
        }
        if (folderLinksAsFolders_ && IsLink(found.dwFileAttributes) &&
            (found.dwFileAttributes & platform::FILE_ATTRIBUTE_DIRECTORY)) {
            ++levelCountMap_[DepthOf(fullPath)];
            ++folderCount_;
            return;
        }
        // A folder whose name no path can hold is counted as the walks count
        // it, one subfolder not looked into; so is one that may not be
        // entered, where the owner counts what a copy meets.
        const bool folder =
            (found.dwFileAttributes & platform::FILE_ATTRIBUTE_DIRECTORY) && !IsLink(found.dwFileAttributes);
        if (folder && (countClosedFolders_ || !platform::IsWindowsName(found.cFileName))) {
            ++folderCount_;
            return;
        }
        // A link is a file of 0 bytes (the listing's size for it); otherwise
        // a subfolder that may not be entered is counted with the size the
        // listing gives for it and not descended into.
        uint64_t size = SizeOf(found);
        totalBytes_ += size;
        ++fileCount_;
        fileSizeMap_.emplace(std::move(fullPath), size);
    });
}

void FolderTreeScanner::RunWithPatterns() {
    const std::deque<std::string> patterns = GetFileNamePatternList();
    // An empty root would list the root of the current drive.
    if (!rootFolder_.empty()) {
        for (const std::string& pattern : patterns) {
            queue_.clear();
            QueueFolder(rootFolder_);
            while (!queue_.empty())
                PatternFolderStep(pattern);
            firstPatternDone_ = true;
        }
    }
    FinishFolderCount();
}

void FolderTreeScanner::PatternFolderStep(const std::string& pattern) {
    FolderQueueEntry entry = TakeFirstQueued();
    if (!firstPatternDone_)
        ++levelCountMap_[entry.depth];
    CurrentFolderSwitch inFolder(entry.path);
    MatchPattern(entry.path, pattern);
    ForEachEntry(entry.path, [this](const platform::FindData& found, const std::string& fullPath) {
        if (!MayDescend(found, fullPath)) {
            const bool closedFolder = (found.dwFileAttributes & platform::FILE_ATTRIBUTE_DIRECTORY) &&
                                      !IsLink(found.dwFileAttributes);
            if (closedFolder && countClosedFolders_ && !firstPatternDone_)
                ++folderCount_;
            return;
        }
        QueueFolder(fullPath);
        if (!firstPatternDone_)
            ++folderCount_;
    });
}

void FolderTreeScanner::MatchPattern(const std::string& folder, const std::string& pattern) {
    TSearchRec rec;
    if (FindFirst(folder + "\\" + pattern, faAnyFile, rec) == 0) {
        do {
            if (IsDotEntry(rec.Name))
                continue;
            // A folder link is matched as the file of 0 bytes the walks copy
            // it as; a real folder is no match.
            const auto attributes = static_cast<uint32_t>(rec.Attr);
            if ((attributes & platform::FILE_ATTRIBUTE_DIRECTORY) && !IsLink(attributes))
                continue;
            std::string fullPath = folder + "\\" + rec.Name;
            // A file matched by several patterns adds to the totals once per
            // pattern; the map keeps it once.
            uint64_t size = (static_cast<uint64_t>(rec.SizeHigh) << 32) + rec.SizeLow;
            matchedBytes_ += size;
            ++matchedFileCount_;
            matchedFileSizeMap_.emplace(std::move(fullPath), size);
        } while (FindNext(rec) == 0);
    }
    FindClose(rec);
}

void FolderTreeScanner::RunRootWithPatterns() {
    if (!rootFolder_.empty()) {
        for (const std::string& pattern : GetFileNamePatternList()) {
            MatchPattern(rootFolder_, pattern);
            firstPatternDone_ = true;
        }
    }
    FinishFolderCount();
}
