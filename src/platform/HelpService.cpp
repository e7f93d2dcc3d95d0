// The help service: there is no help file, so quitting it always succeeds.

#include "platform/FileSystem.h"

namespace platform {

bool WinHelpQuit() {
    return true;
}

} // namespace platform
