#pragma once
// The folders a creation run lists as created, as the snapshots name them.
// A run also makes the missing folders on the way to a listed one without
// listing them, and Undo removes only what the run listed: it keeps those
// by design.

#include "support/TreeSnapshot.h"

#include <deque>
#include <filesystem>
#include <set>
#include <string>

namespace testsupport {

class ListedCreatedFolders {
public:
    // The run's list of created folders (Windows paths), below `root`.
    void Note(const std::filesystem::path& root, const std::deque<std::string>& folders);
    // Whether a listed folder lies below `path`.
    bool Below(const std::string& path) const;

private:
    std::set<std::string> folders_;
};

} // namespace testsupport
