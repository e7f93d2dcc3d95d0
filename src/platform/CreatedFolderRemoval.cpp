#include "platform/CreatedFolderRemoval.h"

#include "platform/Drives.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/MountOf.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"
#include "platform/StatxIdentity.h"
#include "platform/TreeDeletion.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform {

namespace {

constexpr unsigned LookMask = STATX_TYPE | detail::IdentityStatxMask | detail::MountStatxMask;

// The entry at the host path itself, a link as the last component not followed.
bool LookAt(int folder, const char* path, int flags, struct statx& st) {
    return statx(folder, path, flags | AT_SYMLINK_NOFOLLOW, LookMask, &st) == 0;
}

// An identity that cannot tell a reused inode apart never passes for the
// run's folder: the person's folder made anew may have the very same.
bool IsTheFolder(int folder, const char* path, int flags, const struct statx& st,
                 const EntryIdentity& identity) {
    return identity.distinct && S_ISDIR(st.stx_mode) &&
           detail::IdentityOf(folder, path, flags | AT_SYMLINK_NOFOLLOW, st) == identity;
}

// Empties the folder at `host`, opened afresh and checked to be the very
// folder `identity` still: what lies inside is taken through the open handle.
bool EmptyFolder(const std::string& host, const EntryIdentity& identity) {
    const int fd = open(host.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    struct statx st;
    // Something mounted on the folder itself is not the folder's to give away.
    if (!LookAt(fd, "", AT_EMPTY_PATH, st) || !IsTheFolder(fd, "", AT_EMPTY_PATH, st, identity) ||
        detail::IsMountRoot(st)) {
        close(fd);
        return detail::Fail(ERROR_ACCESS_DENIED);
    }
    int error = 0;
    const bool all = detail::EmptyOpenFolder(fd, detail::MountOf(st), error);
    close(fd);
    if (!all)
        return detail::FailWithErrno(error ? error : EACCES, ERROR_FILE_NOT_FOUND);
    return true;
}

} // namespace

const std::string& CreatedFolderRemoval::RealFolder(const std::string& folder) {
    auto found = realFolders_.find(folder);
    if (found != realFolders_.end())
        return found->second;
    std::string real;
    if (char* resolved = realpath(folder.c_str(), nullptr)) {
        real = resolved;
        free(resolved);
    }
    return realFolders_.emplace(folder, std::move(real)).first->second;
}

bool CreatedFolderRemoval::HoldsADrive(const std::string& folder) {
    if (!realDriveRoots_) {
        realDriveRoots_.emplace();
        for (const auto& [letter, root] : detail::State().drives) {
            if (char* resolved = realpath(root.c_str(), nullptr)) {
                realDriveRoots_->push_back(resolved);
                free(resolved);
            }
        }
    }
    const std::string below = folder + "/";
    for (const std::string& root : *realDriveRoots_) {
        if (root == folder || root.compare(0, below.size(), below) == 0)
            return true;
    }
    return false;
}

bool CreatedFolderRemoval::Remove(const std::string& path, const EntryIdentity& identity,
                                  const std::string& hostFolder) {
    lastEmptied_.clear();
    detail::WindowsPath parsed;
    if (!detail::ParsePath(path, parsed))
        return false;
    // A drive is never removed.
    if (parsed.IsRoot())
        return detail::Fail(ERROR_ACCESS_DENIED);
    // The folder was made as written: its exact host path finds it without a
    // search; another case of a name on the way costs one.
    std::string host;
    if (!detail::ExactHostPath(parsed, host))
        return false;
    struct statx st;
    if (!LookAt(AT_FDCWD, host.c_str(), 0, st)) {
        if (errno != ENOENT && errno != ENOTDIR)
            return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
        detail::Resolved resolved;
        if (!detail::Resolve(parsed, resolved))
            return false;
        if (!resolved.exists)
            return detail::Fail(detail::MissingError(resolved));
        host = resolved.host;
        if (!LookAt(AT_FDCWD, host.c_str(), 0, st))
            return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    }
    // Another entry in its place (a folder made anew, a link, a file) is the
    // person's, and so is a folder reached through a link put on its way.
    if (!IsTheFolder(AT_FDCWD, host.c_str(), 0, st, identity))
        return detail::Fail(ERROR_ACCESS_DENIED);
    const std::size_t slash = host.find_last_of('/');
    const std::string parent = slash == 0 ? "/" : host.substr(0, slash);
    if (hostFolder.empty() || RealFolder(parent) != hostFolder)
        return detail::Fail(ERROR_ACCESS_DENIED);
    // Most folders a run made are still empty, and go at once.
    if (rmdir(host.c_str()) != 0) {
        if (errno != ENOTEMPTY && errno != EEXIST)
            return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
        std::string real = (hostFolder == "/" ? "" : hostFolder) + "/" + host.substr(slash + 1);
        if (HoldsADrive(real))
            return detail::Fail(ERROR_ACCESS_DENIED);
        if (!EmptyFolder(host, identity)) {
            detail::State().folderNames.Forget(host);
            return false;
        }
        if (rmdir(host.c_str()) != 0)
            return detail::FailWithErrno(errno == EEXIST ? ENOTEMPTY : errno, ERROR_FILE_NOT_FOUND);
        lastEmptied_ = std::move(real);
    }
    detail::FolderNameCache& cache = detail::State().folderNames;
    cache.Removed(parent, host.substr(slash + 1), false);
    cache.Forget(host);
    return true;
}

} // namespace platform
