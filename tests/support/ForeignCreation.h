#pragma once
// Another program that wins the race against a run: it makes a folder of its
// own under a name just before the run's creation call for that name reaches
// the disk, after every look the run took, or swaps its own in just after
// the call made the run's. The test program's own mkdir and mkdirat stand in
// front of the C library's; disarmed they only pass the call on.

#include <functional>
#include <string>

namespace testsupport {

// Before the next creation call for a folder named `name` (the last name of
// the host path; "": whatever its name), `makeIt` runs once with that
// folder's host path.
void BeforeCreationOf(const std::string& name, std::function<void(const std::string& host)> makeIt);

// At once after the next creation call for a folder named `name` has made
// it, before the run reads anything of it, `swapIt` runs once with its host
// path: another program that takes the run's new folder away.
void AfterCreationOf(const std::string& name, std::function<void(const std::string& host)> swapIt);

// Forgets what BeforeCreationOf and AfterCreationOf arranged and has not
// happened yet.
void NoForeignCreation();

} // namespace testsupport
