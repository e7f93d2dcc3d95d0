#pragma once
// Internal to the platform layer: an entry's details from a statx answer,
// as GetEntryDetails and the listings give them.

#include "platform/EntryDetails.h"
#include "platform/StatxIdentity.h"

#include <sys/stat.h>

#include <string>

namespace platform::detail {

// What statx is asked for an entry's details; the mode and the owner tell
// whether this user may remove it.
constexpr unsigned DetailsStatxMask =
    STATX_TYPE | STATX_MODE | STATX_UID | STATX_SIZE | STATX_MTIME | STATX_CTIME | IdentityStatxMask;

// `at`, `path` and `flags` name the entry as the statx call did (for its
// identity, see IdentityOf). `linkToFolder` says where a link leads; statx of
// the link cannot.
EntryDetails DetailsOf(const std::string& name, const struct statx& st, int at, const char* path, int flags,
                       bool linkToFolder = false);

} // namespace platform::detail
