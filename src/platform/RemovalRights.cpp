#include "platform/RemovalRights.h"

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
    // folder, and so may the superuser.
    if (ownersOnly) {
        const uid_t user = geteuid();
        return user == 0 || user == folderOwner || user == st.stx_uid;
    }
    return true;
}

RemovalRights RemovalRightsIn(int folder) {
    RemovalRights rights;
    struct stat st {};
    if (fstat(folder, &st) != 0)
        return rights;
    rights.enterAndWrite = faccessat(folder, ".", W_OK | X_OK, AT_EACCESS) == 0;
    rights.ownersOnly = (st.st_mode & S_ISVTX) != 0;
    rights.folderOwner = st.st_uid;
    return rights;
}

} // namespace platform::detail
