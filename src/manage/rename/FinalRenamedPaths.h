#pragma once
// Where the folders of a rename run are once the whole run is done. The run
// renames deepest first, so a folder renamed early moves again with its
// parent when the parent is renamed later: its target as computed at its
// own rename is no longer where it is. A folder may also be renamed again by
// a later line that names it under its new name: only that last rename says
// where it is.

#include <string>
#include <vector>

struct DoneRename {
    std::string source; // the folder's path when it was renamed
    std::string target; // its path right after
};

// The final path of each renamed folder, in the order of its last rename
// (the run's order), each folder once.
std::vector<std::string> FinalRenamedPaths(const std::vector<DoneRename>& renames);
