#pragma once
// Internal to the platform layer: whether this user may remove entries from
// a folder, asked of the host once per folder as the removal itself will be
// refused (the effective user and rights), so that a simulation foresees the
// run's refusals.

#include <sys/stat.h>
#include <sys/types.h>

namespace platform::detail {

struct RemovalRights {
    bool enterAndWrite = false; // the folder can be entered and written
    bool ownersOnly = false;    // its sticky bit: only owners may remove
    uid_t folderOwner = 0;
    uid_t user = 0;
    // The superuser's right to act as every entry's owner, which lets it
    // remove any entry from a sticky folder unless it was set aside.
    bool actsAsEveryOwner = false;

    // Whether the entry `st` (read with STATX_UID) may go: a mount point
    // never does, whoever asks.
    bool Allow(const struct statx& st) const;
};

// The rights in the open folder `folder`.
RemovalRights RemovalRightsIn(int folder);

} // namespace platform::detail
