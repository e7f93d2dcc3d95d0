#pragma once
// The run counters and result lists every creation page keeps: four rows (to
// create, created, already exists, other reasons) by four columns (main
// folders, attached subfolders, attached files, bytes of those files).
//
// The counters are doubles so that byte totals above 2^32 add up exactly (to
// 2^53); the pages show them through FloatToStr.

#include <cstdint>
#include <deque>
#include <string>

struct CounterRow {
    double Folders = 0;
    double SubFolders = 0;
    double Files = 0;
    double FilesSize = 0;
};

struct CreationCounters {
    CounterRow ToCreate;
    CounterRow Created;
    CounterRow Exists;
    CounterRow Other;
};

struct ResultListRow {
    std::deque<std::string> Folders;
    std::deque<std::string> SubFolders;
    std::deque<std::string> Files;
    std::deque<std::string> FilesSize;

    void Clear() {
        Folders.clear();
        SubFolders.clear();
        Files.clear();
        FilesSize.clear();
    }
};

// One list per counter. On the creation pages only Created.Folders (the undo
// list), Exists.Folders and Other.Folders ever receive names.
struct CreationResultLists {
    ResultListRow ToCreate;
    ResultListRow Created;
    ResultListRow Exists;
    ResultListRow Other;
};

// What the chosen attach structures add up to, from the last structure scan.
struct StructureTotals {
    uint64_t bytes = 0;
    uint32_t files = 0;
    uint32_t subfolders = 0;
};

// The five attach options of a creation page.
enum class AttachMode {
    MainFolderWithFiles,
    MainFolderWithoutFiles,
    SubFoldersOnlyWithFiles,
    SubFoldersOnlyWithoutFiles,
    Nothing,
};

inline bool AttachesFiles(AttachMode mode) {
    return mode == AttachMode::MainFolderWithFiles || mode == AttachMode::SubFoldersOnlyWithFiles;
}

// The "Main Folders and their Subfolders" modes copy the structure's own top
// folder into the new folder; the "Subfolders Only" modes copy only what is in it.
inline bool AttachesTopFolder(AttachMode mode) {
    return mode == AttachMode::MainFolderWithFiles || mode == AttachMode::MainFolderWithoutFiles;
}
