// GetFileIdentity: the file system and the entry a path leads to.

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"

#include <sys/stat.h>

#include <cerrno>

namespace platform {

bool GetFileIdentity(const std::string& path, FileIdentity& identity) {
    identity = FileIdentity{};
    detail::Resolved resolved;
    if (!detail::ResolveText(path, resolved))
        return false;
    if (!resolved.exists)
        return detail::Fail(detail::MissingError(resolved));
    // Links are followed in the last component too: the identity is that of
    // what the path finally names.
    struct stat st;
    if (stat(resolved.host.c_str(), &st) != 0)
        return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    identity.volume = static_cast<uint64_t>(st.st_dev);
    identity.index = static_cast<uint64_t>(st.st_ino);
    return true;
}

} // namespace platform
