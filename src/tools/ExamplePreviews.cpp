#include "tools/ExamplePreviews.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "ui/ListOrder.h"

#include <unordered_set>

namespace {

// Appends `text` unless `seen` already holds it, ignoring case.
void AddOnce(std::vector<std::string>& list, std::unordered_set<std::string>& seen, const std::string& text) {
    if (seen.insert(ui::FoldCase(text)).second)
        list.push_back(text);
}

// The main folder `path` lies in (or is), or "".
std::string MainFolderOf(const std::string& path, const std::vector<std::string>& mainFolders) {
    for (const std::string& main : mainFolders) {
        const std::string prefix = IncludeTrailingPathDelimiter(main);
        if (AnsiSameText(path, main) ||
            (path.size() > prefix.size() && AnsiSameText(path.substr(0, prefix.size()), prefix)))
            return main;
    }
    return "";
}

} // namespace

std::string LastPathElements(const std::string& path, int count) {
    size_t start = path.size();
    for (int found = 0; found < count; ++found) {
        if (start == 0)
            return path;
        size_t slash = path.find_last_of('\\', start - 1);
        if (slash == std::string::npos)
            return path;
        start = slash;
    }
    return path.substr(start + 1);
}

std::vector<std::string> AttachPreview(const std::vector<std::string>& targets,
                                       const std::vector<std::string>& subStructures, ExampleAttach option) {
    if (option == ExampleAttach::Nothing)
        return targets;
    const int elements = option == ExampleAttach::MainFolders ? 2 : 1;
    std::vector<std::string> preview;
    for (const std::string& target : targets) {
        for (const std::string& structure : subStructures)
            preview.push_back(target + "\\" + LastPathElements(structure, elements));
    }
    return preview;
}

std::string DecorateExampleName(const std::string& prefix, const std::string& name,
                                const std::string& suffix) {
    return prefix + (Trim(prefix).empty() ? "" : "-") + name + (Trim(suffix).empty() ? "" : "-") + suffix;
}

DeletePreviewLists DeletePreview(const std::vector<std::string>& mainFolders,
                                 const std::vector<std::string>& subfolders,
                                 const std::vector<std::string>& files, ExampleDelete option) {
    std::vector<std::string> deepFiles;
    std::vector<std::string> mainFiles;
    for (const std::string& file : files) {
        const std::string folder = ExtractFileDir(file);
        bool inMainFolder = false;
        for (const std::string& main : mainFolders)
            inMainFolder = inMainFolder || AnsiSameText(folder, main);
        (inMainFolder ? mainFiles : deepFiles).push_back(file);
    }
    // The first level below each main folder, from the deeper subfolders.
    std::vector<std::string> firstLevel;
    std::unordered_set<std::string> seen;
    for (const std::string& subfolder : subfolders) {
        const std::string main = MainFolderOf(subfolder, mainFolders);
        if (main.empty())
            continue;
        const std::string below = subfolder.substr(IncludeTrailingPathDelimiter(main).size());
        AddOnce(firstLevel, seen, IncludeTrailingPathDelimiter(main) + below.substr(0, below.find('\\')));
    }
    std::vector<std::string> parents;
    seen.clear();
    for (const std::string& main : mainFolders)
        AddOnce(parents, seen, ExtractFileDir(main));

    const auto join = [](std::initializer_list<const std::vector<std::string>*> parts) {
        std::vector<std::string> all;
        for (const std::vector<std::string>* part : parts)
            all.insert(all.end(), part->begin(), part->end());
        return all;
    };
    switch (option) {
    case ExampleDelete::CompleteFoldersRetainMainFolders:
        return {join({&deepFiles, &mainFiles, &subfolders, &firstLevel}), mainFolders};
    case ExampleDelete::EverythingRetainNothing:
        return {join({&deepFiles, &mainFiles, &subfolders, &firstLevel, &mainFolders}), parents};
    case ExampleDelete::FilesFromMainFolders:
        return {mainFiles, join({&deepFiles, &subfolders})};
    case ExampleDelete::FilesAllFiles:
        return {join({&deepFiles, &mainFiles}), subfolders};
    }
    return {};
}

std::vector<std::string> MoveOntoDrive(const std::vector<std::string>& items, const std::string& drive) {
    std::vector<std::string> moved;
    std::unordered_set<std::string> seen;
    for (const std::string& item : items) {
        const size_t colon = item.find(':');
        AddOnce(moved, seen, drive + (colon == std::string::npos ? item : item.substr(colon + 1)));
    }
    return moved;
}
