#pragma once
// Internal to the platform layer: the identity a statx answer gives.

#include "platform/EntryIdentity.h"

#include <sys/stat.h>

namespace platform::detail {

// What statx must be asked for to make an identity.
constexpr unsigned IdentityStatxMask = STATX_INO | STATX_BTIME;

EntryIdentity IdentityOf(const struct statx& status);

} // namespace platform::detail
