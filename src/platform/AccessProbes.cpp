// What a simulation asks before it counts an entry as copied: whether the
// user may read a file or write into a folder. Asked of the host as the
// copy itself will be refused (the effective user, links followed), so that
// a simulation foresees the run's refusals.

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/RemovalRights.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

// `kind` is the file type the entry must have, links followed.
bool MayAccess(const std::string& path, int mode, mode_t kind) {
    detail::Resolved resolved;
    if (!detail::ResolveText(path, resolved))
        return false;
    if (!resolved.exists)
        return detail::Fail(detail::MissingError(resolved));
    struct stat st;
    if (stat(resolved.host.c_str(), &st) != 0)
        return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    // A copy reads only regular files; a pipe or a device is refused.
    if ((st.st_mode & S_IFMT) != kind)
        return detail::Fail(ERROR_ACCESS_DENIED);
    if (faccessat(AT_FDCWD, resolved.host.c_str(), mode, AT_EACCESS) != 0)
        return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    return true;
}

} // namespace

bool MayReadFile(const std::string& path) {
    return MayAccess(path, R_OK, S_IFREG);
}

bool MayCreateEntriesIn(const std::string& folder) {
    return MayAccess(folder, W_OK | X_OK, S_IFDIR);
}

bool MayRemoveEntry(const std::string& path) {
    detail::Resolved resolved;
    if (!detail::ResolveText(path, resolved))
        return false;
    if (!resolved.exists || resolved.isRoot)
        return detail::Fail(resolved.isRoot ? ERROR_ACCESS_DENIED : detail::MissingError(resolved));
    const int folder = open(resolved.parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    const detail::RemovalRights rights = detail::RemovalRightsIn(folder);
    struct statx st;
    const bool allowed =
        statx(folder, resolved.name.c_str(), AT_SYMLINK_NOFOLLOW, STATX_UID, &st) == 0 && rights.Allow(st);
    close(folder);
    return allowed || detail::Fail(ERROR_ACCESS_DENIED);
}

} // namespace platform
