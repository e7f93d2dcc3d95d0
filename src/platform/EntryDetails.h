#pragma once
// What a walk that removes entries needs to know of each one: its kind, its
// size and its identity (file system and inode of the entry itself, a link
// being an entry of its own), so that it removes only what it found before
// and never reaches through a link.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// File system and inode, with the entry's birth time where the file system
// keeps one: an inode freed by a delete is soon given to a new entry, which
// must not pass for the old one.
struct EntryIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t bornSeconds = 0;
    uint32_t bornNanoseconds = 0;
    bool operator==(const EntryIdentity&) const = default;
};

enum class EntryKind { Missing, File, Folder, Link };

struct EntryDetails {
    std::string name; // as on disk
    EntryKind kind = EntryKind::Missing;
    bool linkToFolder = false; // a link whose target is a folder now
    uint64_t size = 0;         // regular files only
    EntryIdentity identity;
};

// The entry the path names, itself: a link as the last component is not
// followed (links in the components before it are, as any path resolves).
// Kind Missing when nothing is there or the path cannot be resolved.
EntryDetails GetEntryDetails(const std::string& path);

// Every entry of the folder but "." and "..", in the order a listing gives
// them (by name ignoring case). False when the folder cannot be read.
bool ListEntryDetails(const std::string& folder, std::vector<EntryDetails>& entries);

// Whether `folder` is the folder `other` resolves to, or holds it at any
// depth: compared by identity, each path followed through its links.
bool FolderIsOrHolds(const std::string& folder, const std::string& other);

} // namespace platform
