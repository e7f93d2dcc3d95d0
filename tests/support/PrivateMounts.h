#pragma once
// A test that mounts a file system runs twice. Outside, it starts a copy of
// the test program for that one test inside a mount namespace of its own, so
// that no other program sees the mount and it goes when the copy ends, and
// takes the copy's result; inside, it mounts and checks.

#include <string>
#include <utility>

namespace testsupport {

enum class PrivateMountResult { Passed, Failed, Unavailable };

// True in the copy that runs inside the namespace.
bool InsidePrivateMounts();
// Outside: runs the current test in such a copy. Unavailable when the
// machine allows no private mount namespace, or no mount inside one.
PrivateMountResult RunInPrivateMounts();
// Inside: ends the copy, telling the outside that nothing may be mounted here.
[[noreturn]] void CannotMountHere();

// The opening of every such test: outside, runs the test inside and takes
// its result (a skip, saying why, where nothing may be mounted) and answers
// true, and the test returns; inside, answers false and the test goes on.
bool RanInPrivateMounts(const char* whyUnavailable);

// Inside: takes the mount at a host path away when the test ends.
class Unmounting {
public:
    explicit Unmounting(std::string host) : host_(std::move(host)) {}
    ~Unmounting();
    Unmounting(const Unmounting&) = delete;
    Unmounting& operator=(const Unmounting&) = delete;

private:
    std::string host_;
};

} // namespace testsupport
