#pragma once
// A file system that records no birth time, for checks that run inside
// PrivateMounts: an ext4 image made with 128-byte inodes, loop-mounted.

#include <string>

namespace testsupport {

// Mounts such a file system, empty, on the folder `host`; false where the
// machine has no mkfs.ext4, no loop device or no mount for it, or where the
// file system records a birth time after all. Unmounted when the private
// mount namespace ends.
bool MountNoBirthTimeDisk(const std::string& host);

} // namespace testsupport
