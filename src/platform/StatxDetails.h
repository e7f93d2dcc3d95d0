#pragma once
// Internal to the platform layer: an entry's details from a statx answer,
// as GetEntryDetails and the listings give them.

#include "platform/EntryDetails.h"

#include <sys/stat.h>

#include <string>

namespace platform::detail {

// `linkToFolder` says where a link leads; statx of the link cannot.
EntryDetails DetailsOf(const std::string& name, const struct statx& st, bool linkToFolder = false);

} // namespace platform::detail
