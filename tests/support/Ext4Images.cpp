#include "support/Ext4Images.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace testsupport {

bool MountExt4Image(const std::string& host, const std::string& options) {
    const std::string image = "/dev/shm/foldersmith-ext4-" + std::to_string(getpid()) + ".img";
    const std::string make = "truncate -s 16M " + image + " && mkfs.ext4 -q -F " + options + " " + image +
                             " >/dev/null 2>&1 && mount -o loop " + image + " " + host + " >/dev/null 2>&1";
    const bool mounted = std::system(make.c_str()) == 0;
    // The loop device holds the image open; its name is not needed any more.
    std::error_code ignored;
    std::filesystem::remove(image, ignored);
    return mounted;
}

bool MountFewInodesDisk(const std::string& host) {
    if (!MountExt4Image(host, "-I 256 -N 64"))
        return false;
    struct statx status;
    return statx(AT_FDCWD, host.c_str(), 0, STATX_BTIME, &status) == 0 && (status.stx_mask & STATX_BTIME);
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
