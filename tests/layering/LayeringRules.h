#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Which folder of src/ may include which: the table of the design, in code, so
// that an include pointing up a layer (or across to a sibling page) fails the
// test run instead of quietly tying two layers together.
namespace layering {

struct Violation {
    std::string file; // relative to the source root
    int line = 0;
    std::string include;
    std::string rule;
};

// The folder (relative to src/, "" for src/ itself) a file belongs to.
std::string FolderOf(const std::filesystem::path& relativeFile);

// The folders a file in `folder` may include from; empty means every folder.
std::vector<std::string> AllowedFolders(const std::string& folder);

// Checks every .h and .cpp below `sourceRoot` (a src/ folder).
std::vector<Violation> CheckTree(const std::filesystem::path& sourceRoot);

// Every line below `sourceRoot` that shows a message box itself in a folder
// that reports what happened and leaves showing it to the window or page that
// called it (common, runs), as "folder/file:line".
std::vector<std::string> BoxesShown(const std::filesystem::path& sourceRoot);

} // namespace layering
