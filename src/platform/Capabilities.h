#pragma once
// Internal to the platform layer: whether the calling thread holds one of the
// superuser's rights now. A process running as root may have set some aside,
// and is then refused what any user is refused.

#include <linux/capability.h>

namespace platform::detail {

// `capability` is one of CAP_*. Where the rights cannot be read, the
// superuser is taken to hold them all and any other user none.
bool HoldsCapability(unsigned capability);

} // namespace platform::detail
