#pragma once
// What the examples windows show for each option: the folders (and files) an
// operation gives for a window's sample input. The windows compute their
// previews from their own sample lists and fields with these rules, so what
// they show is what the pages do.

#include <string>
#include <vector>

// The attach options of the creation pages and the copy page.
enum class ExampleAttach { Nothing, MainFolders, SubFoldersOnly };

// The last `count` elements of a path, joined by backslashes ("e:\a\b\c", 2
// gives "b\c"); the whole path when it has fewer.
std::string LastPathElements(const std::string& path, int count);

// For each target in order and each sub-structure in order: "Main Folders and
// their Subfolders" gives target\root\subfolder, "Subfolders Only" gives
// target\subfolder; "Attach Nothing" gives each target alone.
std::vector<std::string> AttachPreview(const std::vector<std::string>& targets,
                                       const std::vector<std::string>& subStructures, ExampleAttach option);

// Prefix, name and suffix, joined by "-" where the prefix (suffix) is not
// empty, as the creation pages join them with "Hyphen" checked.
std::string DecorateExampleName(const std::string& prefix, const std::string& name,
                                const std::string& suffix);

// The four options of the delete page.
enum class ExampleDelete {
    CompleteFoldersRetainMainFolders,
    EverythingRetainNothing,
    FilesFromMainFolders,
    FilesAllFiles
};

struct DeletePreviewLists {
    std::vector<std::string> deleted;
    std::vector<std::string> retained;
};

// What a delete removes and keeps, given the main folders, the subfolders
// below them (deepest level only) and the files in both.
DeletePreviewLists DeletePreview(const std::vector<std::string>& mainFolders,
                                 const std::vector<std::string>& subfolders,
                                 const std::vector<std::string>& files, ExampleDelete option);

// Each item moved onto `drive`: the part after the item's first colon (the
// whole item when it has none) behind the drive text; each result once,
// letter case ignored.
std::vector<std::string> MoveOntoDrive(const std::vector<std::string>& items, const std::string& drive);
