#include "support/NoBirthTimeDisk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace testsupport {

bool MountNoBirthTimeDisk(const std::string& host) {
    const std::string image = "/dev/shm/foldersmith-no-birth-time-" + std::to_string(getpid()) + ".img";
    const std::string make = "truncate -s 16M " + image + " && mkfs.ext4 -q -F -I 128 " + image +
                             " >/dev/null 2>&1 && mount -o loop " + image + " " + host + " >/dev/null 2>&1";
    const bool mounted = std::system(make.c_str()) == 0;
    // The loop device holds the image open; its name is not needed any more.
    std::error_code ignored;
    std::filesystem::remove(image, ignored);
    if (!mounted)
        return false;
    struct statx status;
    return statx(AT_FDCWD, host.c_str(), 0, STATX_BTIME, &status) == 0 && !(status.stx_mask & STATX_BTIME);
}

} // namespace testsupport
