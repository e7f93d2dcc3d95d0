#pragma once
// While it lives, the calling thread is refused what file permissions refuse,
// even when the tests run as root (whose rights to read and enter every
// folder are set aside), so that an unreadable folder is unreadable to the
// program. Where the rights cannot be set aside, Active() says so.

namespace testsupport {

class PermissionsAsAUser {
public:
    PermissionsAsAUser();
    ~PermissionsAsAUser();
    PermissionsAsAUser(const PermissionsAsAUser&) = delete;
    PermissionsAsAUser& operator=(const PermissionsAsAUser&) = delete;

    // Whether permissions hold for this thread now.
    bool Active() const { return active_; }

private:
    bool active_ = false;
    bool restore_ = false;
    unsigned savedEffective_[2] = {0, 0};
};

} // namespace testsupport
