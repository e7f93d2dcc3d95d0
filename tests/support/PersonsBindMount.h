#pragma once
// Inside a private mount namespace (PrivateMounts): a folder of the person's,
// D:\Person\docs with a file and a subfolder holding another, bind-mounted on
// a folder made for it at a Windows path of the sandbox, until the test ends.
// Both sides lie on one file system, so their device numbers agree: only the
// mount itself tells it. Where nothing may be mounted, the copy of the test
// program ends as CannotMountHere ends it.

#include "support/DriveSandbox.h"
#include "support/PrivateMounts.h"

#include <optional>
#include <string>

namespace testsupport {

class PersonsBindMount {
public:
    PersonsBindMount(const DriveSandbox& sandbox, const std::string& point);
    // The person's files are as they were, in their folder and through the mount.
    void ExpectKept() const;

private:
    const DriveSandbox& sandbox_;
    std::string point_;
    std::optional<Unmounting> unmount_;
};

} // namespace testsupport
