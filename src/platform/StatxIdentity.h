#pragma once
// Internal to the platform layer: the identity a statx answer gives.

#include "platform/EntryIdentity.h"

#include <sys/stat.h>

namespace platform::detail {

// What statx must be asked for to make an identity; the mount comes with it,
// so that every answer an entry's details are read from also tells its mount.
constexpr unsigned IdentityStatxMask = STATX_INO | STATX_BTIME | STATX_MNT_ID;

EntryIdentity IdentityOf(const struct statx& status);

} // namespace platform::detail
