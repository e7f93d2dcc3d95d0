#include "support/NoBirthTimeDisk.h"

#include "support/Ext4Images.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace testsupport {

bool MountNoBirthTimeDisk(const std::string& host) {
    if (!MountExt4Image(host, "-I 128"))
        return false;
    struct statx status;
    return statx(AT_FDCWD, host.c_str(), 0, STATX_BTIME, &status) == 0 && !(status.stx_mask & STATX_BTIME);
}

} // namespace testsupport
