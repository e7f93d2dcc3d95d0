#pragma once
// Internal to the platform layer: open descriptors of the folders a run
// creates entries in. An entry made relative to its folder's descriptor
// (mkdirat, openat, statx) costs the kernel no walk of the folder's whole
// path, and the folder's own status after the change is one fstat. A
// descriptor is used only for the folder its path still leads to: the caller
// gives the status it has just taken of that path, and a descriptor of
// another folder (the path's folder was moved away or replaced) is closed and
// the path opened again. An open descriptor keeps its folder's inode from
// being reused, so the file system and inode tell it apart for certain.

#include "platform/RecentMap.h"

#include <sys/stat.h>

#include <string>

namespace platform::detail {

class OpenFolders {
public:
    OpenFolders();

    // A descriptor of the folder at `folder`, whose path was found just now to
    // lead to the folder whose status is `st`; -1 when it cannot be opened or
    // is no longer that folder. Valid until the next call of this class.
    // A folder not held yet is opened only when it was also the folder of the
    // call before: a list of full paths that goes round more parents than are
    // held would otherwise open and close a folder for every entry, which
    // costs more than the whole path the descriptor saves; -1 then too.
    int Descriptor(const std::string& folder, const struct stat& st);

    void Clear() {
        held_.Clear();
        lastMissed_.clear();
    }

private:
    class Held {
    public:
        Held() = default;
        Held(int fd, dev_t device, ino_t inode) : fd_(fd), device_(device), inode_(inode) {}
        Held(Held&& other) noexcept { *this = std::move(other); }
        Held& operator=(Held&& other) noexcept;
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;
        ~Held();

        int Fd() const { return fd_; }
        bool Is(const struct stat& st) const { return st.st_dev == device_ && st.st_ino == inode_; }

    private:
        int fd_ = -1;
        dev_t device_ = 0;
        ino_t inode_ = 0;
    };

    RecentMap<Held> held_;
    std::string lastMissed_;
};

} // namespace platform::detail
