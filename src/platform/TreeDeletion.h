#pragma once
// Internal to the platform layer: deleting what lies inside a folder through
// open folder handles, never following a link and never entering a folder on
// another file system than `device`. The first failure is recorded in `error`
// and the rest is still deleted. True when everything went.

#include <sys/types.h>

#include <string>

namespace platform::detail {

// The entry `name` of the folder open as `parent`, subtree included.
bool DeleteEntryTree(int parent, const std::string& name, dev_t device, int& error);

// Everything inside the folder open as `folder` (the handle stays open).
bool EmptyOpenFolder(int folder, dev_t device, int& error);

} // namespace platform::detail
