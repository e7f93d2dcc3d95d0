#pragma once
// Internal to the platform layer: the Windows attribute bits of a host entry.

#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace platform::detail {

// True when the user may write to the entry, judged by its mode bits against
// the process's user and groups (the superuser may write anything).
bool IsWritable(const struct stat& st);

// Directory for a folder; archive for a file; read-only when not writable;
// hidden for a name beginning with a dot. A symbolic link is a file, whatever
// it points to, so that no walk ever descends through one.
uint32_t AttributesOf(const struct stat& st, const std::string& name);

} // namespace platform::detail
