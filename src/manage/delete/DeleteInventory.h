#pragma once
// What a delete would remove, found by one walk over the main folders: every
// entry the mode concerns, with its kind, size and identity, and what became of
// each main folder. The page's pre-count takes one after every change and the
// run deletes from it; the run and the simulation take a second one when they
// start, to see what changed since.
//
// The walk meets a link as an entry of its own and never descends through it;
// a folder reached twice (through a link in a main folder's path) is walked
// once. A folder that cannot be read is an item of its own in every mode, so
// that what it hides is named as not deleted. A main folder that is or holds a drive's root or the program's
// start directory is refused and not walked at all. A main folder given as a link is never entered: only the
// Everything mode removes it, as a link.
//
// The walk stays on the mount of each main folder: a folder on another one
// (a mount point, a bind mount of a folder of the same file system included)
// is kept as an item of its own, never counted, entered or deleted, so that a
// delete never reaches into a disk or folder someone mounted inside a main
// folder. Mounts are told by the mount itself: a bind mount shares the device
// number of the folder it shows, and `rm --one-file-system` crosses it.

#include "platform/EntryDetails.h"
#include "platform/FileSystem.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// The modes as the page numbers them.
enum class DeleteMode {
    FilesEverywhere = 1,    // selected files of the main folders and their subfolders
    FilesInMainFolders = 2, // selected files of the main folders alone
    Subfolders = 3,         // everything below the main folders
    Everything = 4,         // the main folders with everything below them
};

bool DeletesFolders(DeleteMode mode);

struct DeleteItem {
    std::string path;
    platform::EntryKind kind = platform::EntryKind::File; // File, Folder or Link
    platform::EntryIdentity identity;
    uint64_t size = 0;
    uint32_t level = 0; // 0: the main folder itself, 1: directly inside it ...
    uint32_t main = 0;  // index of its main folder
    // A host name that no Windows path can carry: never joined into a path,
    // never deleted, always reported.
    bool nameless = false;
    // A folder on another file system than its main folder: reported, and
    // neither it nor anything below it is counted or touched.
    bool otherFileSystem = false;
    // A folder whose entries could not be read: what it holds is unknown, so
    // it is never deleted, in the run as in the simulation.
    bool unlisted = false;
    // This user may not remove it (its folder cannot be entered or written,
    // or it is a mount point): it stays, and so do the folders holding it.
    bool denied = false;

    // It stays whatever a delete does, and is reported.
    bool Stays() const { return nameless || otherFileSystem || unlisted || denied; }

    // A main folder given as a link counts as the main folder it stands for.
    bool CountsAsFolder() const { return kind == platform::EntryKind::Folder || level == 0; }
};

// Link: a link to a folder, given as a main folder where the mode would
// enter it; it is reported, never entered.
enum class MainFolderState { Present, Missing, Refused, Repeated, NotAFolder, Link };

struct MainFolder {
    std::string path;
    MainFolderState state = MainFolderState::Missing;
    // The mount it lay on when the walk began: every entry counted below it
    // lies on that one too.
    uint64_t mount = 0;
};

struct DeleteInventory {
    DeleteMode mode = DeleteMode::Subfolders;
    std::deque<std::string> patterns;
    std::vector<MainFolder> mains;
    std::vector<DeleteItem> items; // in the order the walk found them
    // What a delete would remove on an unchanged disk: what stays (entries
    // kept for their names, folders on another file system or that cannot
    // be read, what this user may not remove) does not count, nor do the
    // folders that hold it.
    uint32_t folders = 0;
    uint32_t files = 0;
    uint64_t bytes = 0;
};

// Whether a main folder may never be deleted from: it has no drive, is a
// drive's root, holds one, or is or holds the program's start directory.
bool IsProtectedFolder(const std::string& folder);

// The mount an entry lies on, given its path and what the listing says of
// it. The walk takes the entry's own mount; checks stage another one where
// the machine cannot mount a file system.
using FileSystemProbe = std::function<uint64_t(const std::string& path, const platform::EntryDetails& entry)>;

// Walks the main folders (already normalised for the mode) in order. In the
// file modes only files matching one of `patterns` count, each once. `step`
// runs after each entry met, inside one folder's listing too, to let the
// window repaint.
DeleteInventory TakeDeleteInventory(DeleteMode mode, const std::deque<std::string>& mainFolders,
                                    const std::deque<std::string>& patterns,
                                    const std::function<void()>& step = {},
                                    const FileSystemProbe& fileSystemOf = {});
