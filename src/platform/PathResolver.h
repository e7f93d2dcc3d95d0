#pragma once
// Internal to the platform layer: finding the host path a Windows path stands
// for. The exact path is tried first; a folder is searched ignoring case only
// when the exact name is missing, through its kept names (FolderNameCache).

#include "platform/FolderNameCache.h"
#include "platform/WindowsPath.h"

#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace platform::detail {

struct Resolved {
    std::string host;   // the whole host path
    std::string parent; // host path of the folder holding the last component
    std::string name;   // the last component as on disk, or as written when missing
    bool isRoot = false;
    bool exists = false;        // the whole path exists; `st` holds its status
    bool parentExists = false;  // the folder holding the last component exists
    bool parentCurrent = false; // the cached names of `parent` were up to date
    // `parent` is watched (FolderWatches): its cached names follow every
    // change, so a change the layer makes itself needs no new status.
    bool parentWatched = false;
    // `parent` was found to be a folder itself, not a link to one (known only
    // when the path was answered from the kept names).
    bool parentIsFolder = false;
    struct stat st {}; // lstat of the path (stat at a drive's root)
    // With parentIsFolder: the lstat of `parent` that found its kept names up
    // to date, taken just now; when watched, only its file system and inode,
    // those of the folder the watch began on.
    struct stat parentSt {};
    // When the name was looked up in the parent's kept names and is missing:
    // its key there, for adding it once it is made.
    NameKey key;
};

// A descriptor of the folder `resolved` was found in, for creating an entry
// relative to it; -1 when the path was not answered from the folder's kept
// names or the folder cannot be opened. Valid until the next call.
int ParentDescriptor(const Resolved& resolved);

// False (with the error recorded) for an unmapped drive or a path too long for
// the host; otherwise true, and `out` says what exists.
// What the caller expects: a new name (to create) is looked up in the
// folder's kept names first, which costs one stat of the folder.
enum class Expect { Existing, New };

bool Resolve(const WindowsPath& path, Resolved& out, Expect expect = Expect::Existing);

// Parses then resolves.
bool ResolveText(const std::string& text, Resolved& out, Expect expect = Expect::Existing);

// The host path the path stands for when every component exists exactly as
// written (or is to be created as written), without asking the disk. False
// (with the error recorded) where Resolve fails too. A call that only succeeds
// on an existing entry may try this path first and resolve only on a miss.
bool ExactHostPath(const WindowsPath& path, std::string& exact);

// "a" + "/" + "b", without doubling the slash after the host root "/".
std::string JoinHost(const std::string& folder, const std::string& name);

// The error a call reports for a path that does not exist.
uint32_t MissingError(const Resolved& resolved);

} // namespace platform::detail
