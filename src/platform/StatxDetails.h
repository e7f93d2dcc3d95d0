#pragma once
// Internal to the platform layer: an entry's details from a statx answer,
// as GetEntryDetails and the listings give them.

#include "platform/EntryDetails.h"

#include <sys/stat.h>

#include <string>

namespace platform::detail {

// `at`, `path` and `flags` name the entry as the statx call did (for its
// identity, see IdentityOf). `linkToFolder` says where a link leads; statx of
// the link cannot.
EntryDetails DetailsOf(const std::string& name, const struct statx& st, int at, const char* path, int flags,
                       bool linkToFolder = false);

} // namespace platform::detail
