#include "support/Ext4Images.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace testsupport {

namespace {

// Mounts an empty image made with these mkfs.ext4 options on `host`; false
// where the machine has no mkfs.ext4, no loop device or no mount for it.
bool MountImage(const std::string& host, const std::string& options) {
    const std::string image = "/dev/shm/foldersmith-ext4-" + std::to_string(getpid()) + ".img";
    const std::string make = "truncate -s 16M " + image + " && mkfs.ext4 -q -F " + options + " " + image +
                             " >/dev/null 2>&1 && mount -o loop " + image + " " + host + " >/dev/null 2>&1";
    const bool mounted = std::system(make.c_str()) == 0;
    // The loop device holds the image open; its name is not needed any more.
    std::error_code ignored;
    std::filesystem::remove(image, ignored);
    return mounted;
}

bool RecordsBirthTime(const std::string& host) {
    struct statx status;
    return statx(AT_FDCWD, host.c_str(), 0, STATX_BTIME, &status) == 0 && (status.stx_mask & STATX_BTIME);
}

} // namespace

Ext4Disk::Ext4Disk(const std::string& host, Kind kind) {
    std::filesystem::create_directories(host);
    const bool fewInodes = kind == Kind::FewInodes;
    if (!MountImage(host, fewInodes ? "-I 256 -N 64" : "-I 128"))
        CannotMountHere();
    unmount_.emplace(host);
    if (RecordsBirthTime(host) != fewInodes)
        CannotMountHere();
}

const char* Ext4Disk::WhyUnavailable(Kind kind) {
    return kind == Kind::FewInodes
               ? "no ext4 image with few inodes may be loop-mounted here to have an inode reused: needs "
                 "mkfs.ext4, a loop device and `unshare -m` as root"
               : "no ext4 image with 128-byte inodes (no birth time) may be loop-mounted here: needs "
                 "mkfs.ext4, a loop device and `unshare -m` as root";
}

bool TakeEveryFreeInode(const std::string& folder) {
    for (long made = 0;; ++made) {
        const std::string file = folder + "/inode" + std::to_string(made);
        const int descriptor = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0)
            return errno == ENOSPC;
        close(descriptor);
    }
}

} // namespace testsupport
