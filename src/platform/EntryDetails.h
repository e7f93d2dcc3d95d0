#pragma once
// What a walk that removes entries needs to know of each one: its kind, its
// size and its identity (EntryIdentity.h: of the entry itself, a link being
// an entry of its own), so that it removes only what it found before and
// never reaches through a link.

#include "platform/EntryIdentity.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

enum class EntryKind { Missing, File, Folder, Link };

struct EntryDetails {
    std::string name; // as on disk
    EntryKind kind = EntryKind::Missing;
    bool linkToFolder = false; // a link whose target is a folder now
    uint64_t size = 0;         // regular files only
    // When the entry's content was last written: with the size, what tells
    // a file edited in place from the one that was there.
    int64_t modifiedSeconds = 0;
    uint32_t modifiedNanoseconds = 0;
    // When the entry itself last changed (content, times, names, rights):
    // what tells a file edited with its modification time put back.
    int64_t changedSeconds = 0;
    uint32_t changedNanoseconds = 0;
    EntryIdentity identity;
    // The mount the entry lies on: a folder on another one than the folder
    // holding it is a mount point, bind mounts of the same file system
    // included, which share its device number.
    uint64_t mount = 0;
    bool mountRoot = false; // something is mounted right here
    // Whether this user may remove the entry where it lies (told by a
    // listing): the folder holding it can be entered and written, where only
    // owners may remove (the sticky bit) the user owns one of the two, and
    // the entry is no mount point, which stays while something is mounted on
    // it.
    bool removable = true;
    // Listed in a folder that can be read but not entered: only its name,
    // its kind and its inode are known, and it cannot be removed.
    bool unreadable = false;
};

// The entry the path names, itself: a link as the last component is not
// followed (links in the components before it are, as any path resolves).
// Kind Missing when nothing is there or the path cannot be resolved.
EntryDetails GetEntryDetails(const std::string& path);

// Every entry of the folder but "." and "..", in the order a listing gives
// them (by name ignoring case), with whether this user may remove each. False
// when the folder cannot be read.
// `afterEach` runs after each entry is read, readied for the ordering and put
// in its place, and every few hundred comparisons of the ordering: a folder
// of 200,000 entries takes long enough that a window waiting for the listing
// must go on painting meanwhile.
bool ListEntryDetails(const std::string& folder, std::vector<EntryDetails>& entries,
                      const std::function<void()>& afterEach = {});

// Whether `folder` is the folder `other` resolves to, or holds it at any
// depth: compared by identity, each path followed through its links.
bool FolderIsOrHolds(const std::string& folder, const std::string& other);

} // namespace platform
