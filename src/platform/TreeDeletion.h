#pragma once
// Internal to the platform layer: deleting what lies inside a folder through
// open folder handles, never following a link and never going below a mount
// point: an entry on another mount than `mount` (MountOf), or the root of a
// mount of its own, is left as it is, a bind mount of the same file system
// included. The first failure is recorded in `error` and the rest is still
// deleted. True when everything went.

#include <cstdint>
#include <string>

namespace platform::detail {

// The entry `name` of the folder open as `parent`, subtree included.
bool DeleteEntryTree(int parent, const std::string& name, uint64_t mount, int& error);

// Everything inside the folder open as `folder` (the handle stays open).
bool EmptyOpenFolder(int folder, uint64_t mount, int& error);

} // namespace platform::detail
