#pragma once
// Which entry a path names: the one answer to "is this still the entry the
// run made?" and "do these two paths name the same folder?".
//
// An identity is the file system, the inode and what tells that inode from
// an earlier entry that had its number. File systems hand a freed inode to
// the next entry at once, so a folder the person deleted and made anew under
// the same name often gets the old inode back. Where the file system records
// a birth time (ext4 with its usual 256-byte inodes, xfs, btrfs, tmpfs), that
// tells them apart. Where it records none (statx leaves STATX_BTIME out: ext4
// made with 128-byte inodes, ext2 and ext3, many network file systems), the
// inode's generation does, which a new inode gets afresh: as carried in the
// entry's file handle (name_to_handle_at; ext2/3/4 and most local file
// systems give one), else as FS_IOC_GETVERSION reads it. Where neither is
// given, the identity is not `distinct`: it cannot tell a reused inode from
// the old entry, and Undo takes no such entry for the run's own.

#include <cstdint>
#include <string>
#include <tuple>

namespace platform {

struct EntryIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t bornSeconds = 0;
    uint32_t bornNanoseconds = 0;
    // Without a birth time: what the file handle or FS_IOC_GETVERSION gives.
    uint64_t generation = 0;
    // A birth time or a generation is known: a reused inode is told apart.
    bool distinct = false;
    bool operator==(const EntryIdentity&) const = default;
    // Spelled out rather than defaulted as <=>: Qt's moc, reading a window header
    // that includes this one, fails on the <compare> header that <=> needs.
    bool operator<(const EntryIdentity& other) const {
        return std::tie(device, inode, bornSeconds, bornNanoseconds, generation, distinct) <
               std::tie(other.device, other.inode, other.bornSeconds, other.bornNanoseconds, other.generation,
                        other.distinct);
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
