#pragma once
// Internal to the platform layer: which mount an entry lies on, told by the
// mount itself. Device numbers cannot tell a bind mount of a folder of the
// same file system from that folder's own subfolders; the mount id and the
// mount-root attribute can.

#include <sys/stat.h>

#include <cstdint>

namespace platform::detail {

// What statx must be asked for to tell the mount.
constexpr unsigned MountStatxMask = STATX_MNT_ID;

// The mount the entry lies on: its mount id, or (from a kernel that gives
// none) its device number, kept apart from every mount id.
uint64_t MountOf(const struct statx& status);

// Whether the entry is the root of a mount of its own (a folder or file
// something was mounted on, bind mounts included).
bool IsMountRoot(const struct statx& status);

} // namespace platform::detail
