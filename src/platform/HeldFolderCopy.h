#pragma once
// Copying the entries of a folder structure, already listed, into a folder
// the copy has just created itself. Each folder and file is made relative to
// one open folder, by its path of listed names below it: the kernel walks no
// whole path for each entry, and no name is looked up ignoring case, since a
// folder just made holds only what the copy puts in it. No link below the held
// folders is followed, on either side; a call that meets one, or fails in any
// other way than finding its entry taken, leaves the entry to the calls that
// go by whole paths.

#include "platform/EntryDetails.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct FolderEntry;

// What tells that a folder is the one that was listed and holds what it held
// then: its identity, and the times every entry made, removed or renamed in
// it moves on.
struct FolderStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;

    bool operator==(const FolderStamp&) const = default;
};

// A folder held open for the calls below; released when it goes.
class HeldFolder {
public:
    HeldFolder() = default;
    ~HeldFolder() { Release(); }
    HeldFolder(HeldFolder&& other) noexcept;
    HeldFolder& operator=(HeldFolder&& other) noexcept;
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;

    // Holds the folder `path` leads to, through links as any path does;
    // false (with the error recorded) when it is no folder or cannot be opened.
    bool Hold(const std::string& path);
    // The same, held to be listed as well (ListHeldFolder).
    bool HoldToList(const std::string& path);
    // Holds, to be listed, the folder `relative` (listed names joined by
    // "/") below `base`, reached through no link at all: false when an
    // entry on the way, or the folder itself, is a link or no folder.
    bool HoldToList(const HeldFolder& base, const std::string& relative);
    bool IsHeld() const { return fd_ >= 0; }
    void Release();

    int Descriptor() const { return fd_; }
    // Where the folder was on the host when it was opened.
    const std::string& HostPath() const { return host_; }
    // Where the held folder is on the host, links resolved, asked of the
    // descriptor rather than walked component by component; "" when that
    // cannot be told.
    std::string RealPath() const;
    // The held folder as GetEntryDetails gives a folder (its identity, the
    // folder reached through links, as it was held); nothing when it cannot
    // be read.
    std::optional<EntryDetails> Details() const;
    // The held folder's stamp; nothing when it cannot be read.
    std::optional<FolderStamp> Stamp() const;

private:
    bool HoldOpened(const std::string& path, int flags);

    int fd_ = -1;
    std::string host_;
};

// The entries of the held folder (held to be listed), as ListFolderEntries
// gives them: no entry below it is followed through a link.
bool ListHeldFolder(const HeldFolder& folder, std::vector<FolderEntry>& entries);

// What the entry `name` of `folder` is now, a link taken as itself.
EntryKind KindIn(const HeldFolder& folder, const std::string& name);

// Creates the folder `relative` ("a/b", listed names joined by "/") below
// `base`, as CreateDirectoryA does; the folder holding it must be there.
// `made` (when given) gets the new folder as GetEntryDetails would give it;
// it stays empty when that could not be read.
bool CreateFolderBelow(const HeldFolder& base, const std::string& relative,
                       std::optional<EntryDetails>* made = nullptr);

class KeptContents;

// Copies the regular file of `from` named as the last name of `relative` to
// the path `relative` below `to`, as CopyFileA does when the target is new
// (content, mode and times); fails with ERROR_FILE_EXISTS when an entry is
// there already. The source is opened in the folder it was listed in, never
// through a link: one in its place fails the call with ERROR_INVALID_PARAMETER.
// With `kept`, small files are read once and kept there for the next copies
// of them.
bool CopyFileBelow(const HeldFolder& from, const HeldFolder& to, const std::string& relative,
                   KeptContents* kept = nullptr);

// Copies the entry `name` of `from` to the Windows path `target`, which must
// be new: a regular file as CopyFileA does, a link as CopySymbolicLinkA does,
// whatever the entry was when it was listed. The entry is opened in `from`,
// never through a link.
bool CopyEntryFrom(const HeldFolder& from, const std::string& name, const std::string& target);

} // namespace platform
