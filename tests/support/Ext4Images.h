#pragma once
// File systems of a test's own, for checks that run inside PrivateMounts:
// small ext4 images, loop-mounted.

#include "support/PrivateMounts.h"

#include <optional>
#include <string>

namespace testsupport {

// While it lives, an empty ext4 disk mounted on the folder `host` (made
// here). Where none of its kind can be mounted, the copy of the test program
// ends, telling the outside that nothing may be mounted here.
class Ext4Disk {
public:
    enum class Kind {
        // 128-byte inodes: the file system records no birth time.
        NoBirthTime,
        // Few inodes, each with its birth time: a test can take every free
        // one, so that the next entry made gets the inode freed last.
        FewInodes,
    };
    Ext4Disk(const std::string& host, Kind kind);

    // What a test that needs such a disk says where it skips.
    static const char* WhyUnavailable(Kind kind);

private:
    std::optional<Unmounting> unmount_;
};

// Makes empty files in the host folder `folder` until the file system has
// no inode left; false when anything else stops it.
bool TakeEveryFreeInode(const std::string& folder);

} // namespace testsupport
