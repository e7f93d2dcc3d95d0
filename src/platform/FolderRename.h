#pragma once
// Looking at an entry and at the name it is to get, and renaming it, within
// one folder whose names this layer follows (a watched folder, see
// FolderWatches): the names are looked up in the folder's kept names, and the
// entry is read and renamed relative to the folder held open, so that the
// kernel walks no path at all. The watch also tells that the folder's path
// still leads to it and that no folder on the way, from the host's root, is a
// link; a link put in the place of one ends the watch, and the calls then
// go the long way.

#include "platform/EntryDetails.h"
#include "platform/FolderNameCache.h"

#include <string>
#include <string_view>

namespace platform {

// What a rename within one folder depends on: the entry `path` names and
// what `newPath` (a path of the same folder) names now, each the entry
// itself (a link is not followed), as GetEntryDetails reads them. False when
// the folder is not one whose names are followed, or the paths are not of
// one folder: then nothing is known, not even about links on the way.
bool LookBeforeRename(const std::string& path, const std::string& newPath, EntryDetails& entry,
                      EntryDetails& there);

// MoveFileA for a new name in the same folder: never replaces another entry,
// and only the case of a name may change into a name the entry itself holds.
// In a folder whose names are followed the entry is renamed relative to the
// folder held open, by its name as on disk, never through a link.
bool RenameWithinFolder(const std::string& path, const std::string& newPath);

// Both calls for one rename, with its two paths read once: a run that looks
// before it renames pays for the reading of the paths once. The rename reads
// the watch again, as RenameWithinFolder does: another program may have given
// the folder the new name in other letters since the look.
class RenameInFolder {
public:
    RenameInFolder() = default;
    RenameInFolder(const std::string& path, const std::string& newPath);
    // Aims at another rename. Where its paths write the folder the last
    // rename's paths led to as they did, in a drive's full form, the folder's
    // path is not read again: a run renaming the folders of one folder reads
    // it once.
    void Aim(const std::string& path, const std::string& newPath);
    // With `asOfOwnRename`, a look that comes right after this layer's last
    // rename, with no other reading of the watch between, does not read it
    // again: what another program did since is seen by the rename's reading,
    // as if done after the look. A run renaming folder after folder thus
    // reads the watch once per folder.
    bool Look(EntryDetails& entry, EntryDetails& there, bool asOfOwnRename);
    bool Rename();
    const std::string& Path() const { return path_; }
    const std::string& NewPath() const { return newPath_; }

private:
    // The names of the entry and its new name in `parent_`, when they fit.
    bool TakeNames(std::string_view name, std::string_view newName);

    std::string path_;
    std::string newPath_;
    bool ofOneFolder_ = false; // both paths name entries of one folder
    std::string parent_;       // its host path
    std::string name_;         // as written
    std::string newName_;
    detail::NameKey nameKey_; // looked up by the look and again by the rename
    detail::NameKey newNameKey_;
    std::string folderText_; // the paths' text before their last names, where it reads the same folder
};

} // namespace platform
