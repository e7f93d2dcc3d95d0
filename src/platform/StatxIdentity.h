#pragma once
// Internal to the platform layer: the identity a statx answer gives.

#include "platform/EntryIdentity.h"

#include <sys/stat.h>

namespace platform::detail {

// What statx must be asked for to make an identity; the mount comes with it,
// so that every answer an entry's details are read from also tells its mount.
constexpr unsigned IdentityStatxMask = STATX_INO | STATX_BTIME | STATX_MNT_ID;

// The identity of the entry a statx answer describes. `at`, `path` and
// `flags` name that entry as the statx call did: where the file system
// records no birth time, its generation is read of it that way.
EntryIdentity IdentityOf(int at, const char* path, int flags, const struct statx& status);

} // namespace platform::detail
