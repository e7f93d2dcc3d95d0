#pragma once
// What the rename run and its undo ask of the disk about one path: what kind
// of entry it names, whether it is reached through a folder link, which entry
// it is, and the entry's own name as the disk spells it.

#include "platform/EntryDetails.h"
#include "platform/EntryIdentity.h"

#include <cstdint>
#include <optional>
#include <string>

enum class EntryKind {
    Missing,    // nothing there
    Folder,     // a folder
    FolderLink, // a link to a folder (renamed as a link, never followed)
    Other       // a file, a link to a file, a link to nothing
};

EntryKind KindOfEntry(const std::string& path);

// True when a folder on the way to the path (the path itself not counted) is
// a link: the path then names something inside the link's target.
bool ReachedThroughLink(const std::string& path);

// Which entry the path names itself (a link is not followed), kept across
// renames: two paths name the same entry exactly when their identities are
// equal.
std::optional<platform::EntryIdentity> IdentityOf(const std::string& path);

// What the disk says of the entry a path names itself (a link is not
// followed), read at once.
struct EntryFacts {
    EntryKind kind = EntryKind::Missing;
    std::optional<platform::EntryIdentity> identity;
    std::string name; // its own name, as the disk spells it
};
EntryFacts FactsOf(const std::string& path);
// The same, of details the platform has read.
EntryFacts FactsFrom(const platform::EntryDetails& details);

// The last element of the path as the entry is named on disk (its letter case
// may differ from the path's; of names that differ in case only, lying side
// by side, the one written exactly); "" when there is no entry.
std::string NameOnDisk(const std::string& path);
