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

#include <optional>
#include <string>

namespace platform {

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

private:
    int fd_ = -1;
    std::string host_;
};

// Creates the folder `relative` ("a/b", listed names joined by "/") below
// `base`, as CreateDirectoryA does; the folder holding it must be there.
// `made` (when given) gets the new folder as GetEntryDetails would give it;
// it stays empty when that could not be read.
bool CreateFolderBelow(const HeldFolder& base, const std::string& relative,
                       std::optional<EntryDetails>* made = nullptr);

class KeptContents;

// Copies the regular file `relative` below `from` to the same path below
// `to`, as CopyFileA does when the target is new (content, mode and times);
// fails with ERROR_FILE_EXISTS when an entry is there already. With `kept`,
// small files are read once and kept there for the next copies of them.
bool CopyFileBelow(const HeldFolder& from, const HeldFolder& to, const std::string& relative,
                   KeptContents* kept = nullptr);

} // namespace platform
