#pragma once
// A test that mounts a file system runs twice. Outside, it starts a copy of
// the test program for that one test inside a mount namespace of its own, so
// that no other program sees the mount and it goes when the copy ends, and
// takes the copy's result; inside, it mounts and checks.

namespace testsupport {

enum class PrivateMountResult { Passed, Failed, Unavailable };

// True in the copy that runs inside the namespace.
bool InsidePrivateMounts();
// Outside: runs the current test in such a copy. Unavailable when the
// machine allows no private mount namespace, or no mount inside one.
PrivateMountResult RunInPrivateMounts();
// Inside: ends the copy, telling the outside that nothing may be mounted here.
[[noreturn]] void CannotMountHere();

} // namespace testsupport
