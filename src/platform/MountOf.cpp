#include "platform/MountOf.h"

#include <sys/sysmacros.h>

namespace platform::detail {

uint64_t MountOf(const struct statx& status) {
    if (status.stx_mask & STATX_MNT_ID)
        return status.stx_mnt_id;
    return (uint64_t{1} << 63) | makedev(status.stx_dev_major, status.stx_dev_minor);
}

bool IsMountRoot(const struct statx& status) {
    return (status.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) &&
           (status.stx_attributes & STATX_ATTR_MOUNT_ROOT);
}

} // namespace platform::detail
