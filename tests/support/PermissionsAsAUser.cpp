#include "support/PermissionsAsAUser.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

namespace {

// The rights by which root passes permission checks of files and folders.
constexpr unsigned Overrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

bool Read(__user_cap_data_struct (&data)[2]) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capget, &header, data) == 0;
}

bool Write(__user_cap_data_struct (&data)[2]) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capset, &header, data) == 0;
}

} // namespace

PermissionsAsAUser::PermissionsAsAUser() {
    if (::geteuid() != 0) {
        active_ = true;
        return;
    }
    __user_cap_data_struct data[2] = {};
    if (!Read(data))
        return;
    savedEffective_[0] = data[0].effective;
    savedEffective_[1] = data[1].effective;
    data[0].effective &= ~Overrides;
    if (!Write(data))
        return;
    active_ = true;
    restore_ = true;
}

PermissionsAsAUser::~PermissionsAsAUser() {
    if (!restore_)
        return;
    __user_cap_data_struct data[2] = {};
    if (!Read(data))
        return;
    data[0].effective = savedEffective_[0];
    data[1].effective = savedEffective_[1];
    Write(data);
}

} // namespace testsupport
