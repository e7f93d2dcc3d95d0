#include "platform/Capabilities.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace platform::detail {

bool HoldsCapability(unsigned capability) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return geteuid() == 0;
    return (data[capability / 32].effective & (1u << (capability % 32))) != 0;
}

} // namespace platform::detail
