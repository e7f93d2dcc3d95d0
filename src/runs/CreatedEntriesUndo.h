#pragma once
// Undo of what a run made, entry by entry, one way for every page that makes
// folders or copies files: a folder the run created goes with everything in
// it, and a file it copied goes, each only while it is still the entry the
// run made, reached the way it was then (CreatedEntry). A folder is checked
// and emptied through the folder held open (platform::CreatedFolderRemoval),
// so a link or a mount put on its way is never followed. What Undo could not
// take stays as it is; the page names it in its own box.

#include "platform/CreatedFolderRemoval.h"
#include "runs/CreatedEntry.h"

#include <optional>
#include <string>
#include <unordered_map>

enum class UndoOutcome {
    Removed, // Undo took it
    Gone,    // nothing is there: the person deleted it, or it went with its folder
    Left     // something is still there: not the run's own any more, or it could not be removed
};

class CreatedEntriesUndo {
public:
    // The folder the run created at `path`, emptied and removed. `recorded`
    // empty: the run could not take note of it, and it is left.
    UndoOutcome RemoveFolder(const std::string& path, const std::optional<CreatedEntry>& recorded);
    // The file the run copied to `path`, deleted while it is unchanged.
    UndoOutcome RemoveFile(const std::string& path, const std::optional<CreatedEntry>& recorded);

private:
    // Whether the entry lay in a folder this Undo emptied and removed, and
    // so went with it: its path is that folder's path and a name, and it was
    // made where that folder lay. A copied structure's many folders go with
    // its top folder without a look at each.
    bool WentWithItsFolder(const std::string& path, const CreatedEntry& recorded);

    platform::CreatedFolderRemoval folders_;
    // The path of each folder that went so, or was emptied and removed ->
    // where it lay on the host.
    std::unordered_map<std::string, std::string> emptied_;
};
