#pragma once
// Which entry a path names: the one answer to "is this still the entry the
// run made?" and "do these two paths name the same folder?".
//
// An identity is the file system, the inode and the birth time of an entry.
// File systems hand a freed inode to the next entry at once, so a folder the
// person deleted and made anew under the same name often gets the old inode
// back; its birth time is what tells it from the one the run made. ext4, xfs,
// btrfs and tmpfs record a birth time. Where a file system records none
// (statx leaves STATX_BTIME out of its answer, as on ext3 or many network
// file systems), the birth time stays zero and the identity falls back to
// file system and inode alone, which cannot tell a reused inode from the old
// entry.

#include <cstdint>
#include <string>
#include <tuple>

namespace platform {

struct EntryIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t bornSeconds = 0;
    uint32_t bornNanoseconds = 0;
    bool operator==(const EntryIdentity&) const = default;
    // Spelled out rather than defaulted as <=>: Qt's moc, reading a window header
    // that includes this one, fails on the <compare> header that <=> needs.
    bool operator<(const EntryIdentity& other) const {
        return std::tie(device, inode, bornSeconds, bornNanoseconds) <
               std::tie(other.device, other.inode, other.bornSeconds, other.bornNanoseconds);
    }
};

// The identity of the entry the path names itself: a link as the last
// component is not followed, so a link has an identity of its own, a
// dangling link included (links in the components before it are followed,
// as any path resolves). What Undo records and checks.
bool GetEntryIdentity(const std::string& path, EntryIdentity& identity);

// The identity of what the path finally leads to, links followed in every
// component: for comparisons that must resolve links first (is this folder
// its own destination, do two lines lead to one folder, which file system
// will a folder be written to). False for a dangling link.
bool GetResolvedIdentity(const std::string& path, EntryIdentity& identity);

// Whether the entry `identity` is still the one named `name` in the host
// folder `hostFolder` (a link as itself): where a run made it, whatever has
// become of the path that led there.
bool EntryStandsIn(const std::string& hostFolder, const std::string& name, const EntryIdentity& identity);

} // namespace platform
