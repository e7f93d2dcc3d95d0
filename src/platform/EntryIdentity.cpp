#include "platform/EntryIdentity.h"

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/StatxIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>

namespace platform {

namespace detail {

EntryIdentity IdentityOf(const struct statx& status) {
    EntryIdentity identity;
    identity.device = makedev(status.stx_dev_major, status.stx_dev_minor);
    identity.inode = status.stx_ino;
    if (status.stx_mask & STATX_BTIME) {
        identity.bornSeconds = status.stx_btime.tv_sec;
        identity.bornNanoseconds = status.stx_btime.tv_nsec;
    }
    return identity;
}

} // namespace detail

namespace {

bool IdentityAt(const std::string& path, int flags, EntryIdentity& identity) {
    identity = EntryIdentity{};
    detail::Resolved resolved;
    if (!detail::ResolveText(path, resolved))
        return false;
    if (!resolved.exists)
        return detail::Fail(detail::MissingError(resolved));
    // A drive's root is the folder the drive stands for, whatever leads to it.
    if (resolved.isRoot)
        flags = 0;
    struct statx status;
    if (statx(AT_FDCWD, resolved.host.c_str(), flags, detail::IdentityStatxMask, &status) != 0)
        return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    identity = detail::IdentityOf(status);
    return true;
}

} // namespace

bool GetEntryIdentity(const std::string& path, EntryIdentity& identity) {
    return IdentityAt(path, AT_SYMLINK_NOFOLLOW, identity);
}

bool GetResolvedIdentity(const std::string& path, EntryIdentity& identity) {
    return IdentityAt(path, 0, identity);
}

bool EntryStandsIn(const std::string& hostFolder, const std::string& name, const EntryIdentity& identity) {
    if (hostFolder.empty() || name.empty() || name.find('/') != std::string::npos)
        return false;
    const std::string host = hostFolder == "/" ? "/" + name : hostFolder + "/" + name;
    struct statx status;
    return statx(AT_FDCWD, host.c_str(), AT_SYMLINK_NOFOLLOW, detail::IdentityStatxMask, &status) == 0 &&
           detail::IdentityOf(status) == identity;
}

} // namespace platform
