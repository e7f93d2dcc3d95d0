#pragma once
// Walks a folder tree breadth first and totals what it finds: folders, files,
// their bytes, the folders at each depth and the size of every file by its full
// path. The pattern runs count only the files that match the shared file-name
// patterns. One scanner serves one run.
//
// A folder is told from a file by making it the current directory, so every
// folder step changes the current directory and gives it back before it ends.
// A link is never entered: it counts as a file of 0 bytes, as the attach walk
// copies it. An entry whose name cannot be joined into a path is counted (a
// folder as one subfolder, a file with its size) and never looked into.

#include "common/NumberTexts.h"

#include <cstdint>
#include <map>
#include <string>

// Depth -> number of folders scanned at that depth, ascending by depth.
using LevelCountMap = std::map<uint32_t, uint32_t>;
// Full path -> file size; a path found twice keeps its first size.
using FileSizeMap = std::map<std::string, uint64_t>;

struct FolderQueueEntry {
    uint32_t depth = 0; // backslashes in the path: an absolute depth
    std::string path;
};

class FolderTreeScanner {
public:
    // The root is kept as given: no trailing backslash is added or removed.
    explicit FolderTreeScanner(const std::string& rootFolder);

    // With true, the root itself stays in the folder count.
    void SetCountRootFolder(bool countRoot);
    // With true, a subfolder the walk cannot enter (or whose name no path
    // can hold) counts as one folder, not looked into, as a copy of the tree
    // meets it; otherwise `Run` counts it as a file with the size its listing
    // gives, and the pattern runs do not count it.
    void SetCountClosedFolders(bool countClosed);
    // With true, a link to a folder counts as a folder at its depth (still
    // never entered) instead of a file: what the level selector lists.
    void SetFolderLinksAsFolders(bool asFolders);

    // Every folder and file of the tree, into the all-files totals.
    void Run();
    // Every folder of the tree, and the files matching each pattern of the
    // shared file-name pattern list, once per pattern.
    void RunWithPatterns();
    // The files of the root folder alone matching each pattern.
    void RunRootWithPatterns();

    uint64_t GetTotalBytes() const { return totalBytes_; }
    uint32_t GetFileCount() const { return fileCount_; }
    uint32_t GetFolderCount() const { return folderCount_; }
    uint64_t GetMatchedBytes() const { return matchedBytes_; }
    uint32_t GetMatchedFileCount() const { return matchedFileCount_; }
    FileSizeMap GetFileSizeMap() const { return fileSizeMap_; }
    FileSizeMap GetMatchedFileSizeMap() const { return matchedFileSizeMap_; }

    // What the level tables are filled from.
    const std::string& GetRootFolder() const { return rootFolder_; }
    const LevelCountMap& GetLevelCountMap() const { return levelCountMap_; }

private:
    void QueueFolder(const std::string& path);
    FolderQueueEntry TakeFirstQueued();
    void FolderStep();
    void PatternFolderStep(const std::string& pattern);
    void MatchPattern(const std::string& folder, const std::string& pattern);
    void FinishFolderCount();

    std::string rootFolder_;
    std::multimap<uint32_t, FolderQueueEntry> queue_;
    LevelCountMap levelCountMap_;
    uint64_t totalBytes_ = 0;
    uint32_t fileCount_ = 0;
    uint32_t folderCount_ = 1;
    uint64_t matchedBytes_ = 0;
    uint32_t matchedFileCount_ = 0;
    bool firstPatternDone_ = false;
    bool countRootFolder_ = false;
    bool countClosedFolders_ = false;
    bool folderLinksAsFolders_ = false;
    FileSizeMap fileSizeMap_;
    FileSizeMap matchedFileSizeMap_;
};
