#pragma once
// File systems of a test's own, for checks that run inside PrivateMounts:
// small ext4 images, loop-mounted, unmounted when the private mount
// namespace ends.

#include <string>

namespace testsupport {

// Mounts an empty ext4 image made with these mkfs.ext4 options on the folder
// `host`; false where the machine has no mkfs.ext4, no loop device or no
// mount for it.
bool MountExt4Image(const std::string& host, const std::string& options);

// A file system with few inodes, each with its birth time: one a test can
// fill, so that the next entry made takes the inode freed last.
bool MountFewInodesDisk(const std::string& host);

// Makes empty files in the host folder `folder` until the file system has
// no inode left; false when anything else stops it.
bool TakeEveryFreeInode(const std::string& folder);

} // namespace testsupport
