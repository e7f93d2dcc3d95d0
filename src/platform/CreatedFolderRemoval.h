#pragma once
// Removing the folders a run made, each with everything in it, as Undo does:
// a folder goes only while its path still leads, as a folder and not a link,
// to the entry the run made (EntryIdentity), inside the folder the run made
// it in, reached the way it was then (every link on the way resolved to the
// same host folder). Nothing below it on another file system is entered.
//
// One undo removes many folders from few parents: each parent's real host
// path is resolved once per remover, and each folder costs one look at its
// entry before it is removed; one that the run left empty goes with one more
// call.

#include "platform/EntryIdentity.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

class CreatedFolderRemoval {
public:
    // True when the folder at the Windows path `path` was the entry
    // `identity` inside the host folder `hostFolder` (links resolved) and is
    // gone with all it held. False, with the error recorded, when it is not
    // that folder any more, was not reached that way, or could not be emptied
    // or removed; what could not be removed stays.
    bool Remove(const std::string& path, const EntryIdentity& identity, const std::string& hostFolder);
    // Where the folder the last Remove took lay on the host (links
    // resolved), when it held something and was emptied first; "" when that
    // Remove failed or found the folder empty. Nothing lies there now.
    const std::string& LastEmptied() const { return lastEmptied_; }

private:
    // Host folder as the path leads to it -> where it finally is.
    const std::string& RealFolder(const std::string& folder);
    // Whether emptying the real host folder `folder` would reach into a
    // mapped drive's root: a drive is never emptied, not even from above.
    bool HoldsADrive(const std::string& folder);

    std::unordered_map<std::string, std::string> realFolders_;
    std::optional<std::vector<std::string>> realDriveRoots_;
    std::string lastEmptied_;
};

} // namespace platform
