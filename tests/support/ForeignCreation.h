#pragma once
// Another program that wins the race against a run: it makes a folder of its
// own under a name just before the run's creation call for that name reaches
// the disk, after every look the run took. The test program's own mkdir and
// mkdirat stand in front of the C library's; disarmed they only pass the call
// on.

#include <functional>
#include <string>

namespace testsupport {

// Before the next creation call for a folder named `name` (the last name of
// the host path; "": whatever its name), `makeIt` runs once with that
// folder's host path.
void BeforeCreationOf(const std::string& name, std::function<void(const std::string& host)> makeIt);

// Forgets what BeforeCreationOf arranged and has not happened yet.
void NoForeignCreation();

} // namespace testsupport
