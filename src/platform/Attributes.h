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
// hidden for a name beginning with a dot. `st` is the entry's own status
// (lstat): a symbolic link carries the reparse-point attribute, with the
// directory attribute when `linkToFolder` (it leads to a folder), else the
// archive attribute, as Windows shows folder links and file links.
uint32_t AttributesOf(const struct stat& st, const std::string& name, bool linkToFolder = false);

// Whether the link at `host` leads to a folder.
bool LinkLeadsToFolder(const std::string& host);

} // namespace platform::detail
