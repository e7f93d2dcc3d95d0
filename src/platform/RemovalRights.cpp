#include "platform/RemovalRights.h"

#include "platform/Capabilities.h"
#include "platform/MountOf.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform::detail {

bool RemovalRights::Allow(const struct statx& st) const {
    if (!enterAndWrite)
        return false;
    if (IsMountRoot(st))
        return false;
    // The owner of the folder or of the entry may remove it from a sticky
    // folder, and so may the superuser while it keeps that right.
    return !ownersOnly || actsAsEveryOwner || user == folderOwner || user == st.stx_uid;
}

RemovalRights RemovalRightsIn(int folder) {
    RemovalRights rights;
    struct stat st {};
    if (fstat(folder, &st) != 0)
        return rights;
    rights.enterAndWrite = faccessat(folder, ".", W_OK | X_OK, AT_EACCESS) == 0;
    rights.ownersOnly = (st.st_mode & S_ISVTX) != 0;
    rights.folderOwner = st.st_uid;
    if (rights.ownersOnly) {
        rights.user = geteuid();
        rights.actsAsEveryOwner = HoldsCapability(CAP_FOWNER);
    }
    return rights;
}

} // namespace platform::detail
