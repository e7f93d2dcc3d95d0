// Attributes, creating and removing folders, deleting and moving entries.

#include "platform/Attributes.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

using detail::Fail;
using detail::FailWithErrno;
using detail::Resolved;

uint32_t GetFileAttributesA(const std::string& path) {
    Resolved resolved;
    if (!detail::ResolveText(path, resolved))
        return INVALID_FILE_ATTRIBUTES;
    if (!resolved.exists) {
        Fail(detail::MissingError(resolved));
        return INVALID_FILE_ATTRIBUTES;
    }
    const bool link = S_ISLNK(resolved.st.st_mode);
    return detail::AttributesOf(resolved.st, resolved.isRoot ? std::string() : resolved.name,
                                link && detail::LinkLeadsToFolder(resolved.host));
}

namespace {

// Creates the folder `resolved` stands for, known to be missing with its
// parent there.
bool MakeFolder(const Resolved& resolved, bool keepNames) {
    if (mkdir(resolved.host.c_str(), 0777) != 0)
        return FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    detail::FolderNameCache& cache = detail::State().folderNames;
    cache.Added(resolved.parent, resolved.name, resolved.parentCurrent);
    if (!keepNames)
        return true;
    // Entries are mostly created in a folder just created: its names (none)
    // are kept from the start rather than read at the first one.
    struct stat created;
    if (stat(resolved.host.c_str(), &created) == 0 && S_ISDIR(created.st_mode))
        cache.Created(resolved.host, created);
    return true;
}

} // namespace

bool CreateDirectoryA(const std::string& path) {
    Resolved resolved;
    if (!detail::ResolveText(path, resolved, detail::Expect::New))
        return false;
    if (resolved.exists)
        return Fail(ERROR_ALREADY_EXISTS);
    if (!resolved.parentExists)
        return Fail(ERROR_PATH_NOT_FOUND);
    return MakeFolder(resolved, true);
}

bool TryCreateDirectoryInFolder(const std::string& path, bool keepNames) {
    Resolved resolved;
    if (!detail::ResolveText(path, resolved, detail::Expect::New))
        return false;
    if (resolved.exists)
        return Fail(ERROR_ALREADY_EXISTS);
    if (!resolved.parentExists || !resolved.parentIsFolder)
        return Fail(ERROR_PATH_NOT_FOUND);
    return MakeFolder(resolved, keepNames);
}

bool RemoveDirectoryA(const std::string& path) {
    Resolved resolved;
    if (!detail::ResolveText(path, resolved))
        return false;
    if (!resolved.exists)
        return Fail(detail::MissingError(resolved));
    if (resolved.isRoot)
        return Fail(ERROR_ACCESS_DENIED);
    // Removing a folder link removes the link, as on Windows; what it points
    // to stays as it is.
    if (S_ISLNK(resolved.st.st_mode)) {
        if (!detail::LinkLeadsToFolder(resolved.host))
            return Fail(ERROR_DIRECTORY);
        if (unlink(resolved.host.c_str()) != 0)
            return FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
        detail::State().folderNames.Removed(resolved.parent, resolved.name, resolved.parentCurrent);
        return true;
    }
    if (!S_ISDIR(resolved.st.st_mode))
        return Fail(ERROR_DIRECTORY);
    if (rmdir(resolved.host.c_str()) != 0)
        return FailWithErrno(errno == EEXIST ? ENOTEMPTY : errno, ERROR_FILE_NOT_FOUND);
    detail::FolderNameCache& cache = detail::State().folderNames;
    cache.Removed(resolved.parent, resolved.name, resolved.parentCurrent);
    cache.Forget(resolved.host);
    return true;
}

bool DeleteFileA(const std::string& path) {
    Resolved resolved;
    if (!detail::ResolveText(path, resolved))
        return false;
    if (!resolved.exists)
        return Fail(detail::MissingError(resolved));
    if (resolved.isRoot || S_ISDIR(resolved.st.st_mode))
        return Fail(ERROR_ACCESS_DENIED);
    // Windows refuses to delete a read-only file; a link itself is never
    // read-only, and deleting it leaves its target alone.
    if (!S_ISLNK(resolved.st.st_mode) && !detail::IsWritable(resolved.st))
        return Fail(ERROR_ACCESS_DENIED);
    if (unlink(resolved.host.c_str()) != 0)
        return FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    detail::State().folderNames.Removed(resolved.parent, resolved.name, resolved.parentCurrent);
    return true;
}

namespace {

// rename() that never replaces an existing target, where the host allows it.
int RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return -1;
    struct stat st;
    if (lstat(to.c_str(), &st) == 0) {
        errno = EEXIST;
        return -1;
    }
    return rename(from.c_str(), to.c_str());
}

} // namespace

bool MoveFileA(const std::string& existing, const std::string& target) {
    Resolved source;
    if (!detail::ResolveText(existing, source))
        return false;
    if (!source.exists)
        return Fail(detail::MissingError(source));
    if (source.isRoot)
        return Fail(ERROR_ACCESS_DENIED);
    detail::WindowsPath targetPath;
    if (!detail::ParsePath(target, targetPath))
        return false;
    Resolved destination;
    if (!detail::Resolve(targetPath, destination, detail::Expect::New))
        return false;
    if (destination.isRoot)
        return Fail(ERROR_ACCESS_DENIED);
    std::string to = destination.host;
    std::string toName = destination.name;
    if (destination.exists) {
        // Renaming an entry to another case of its own name is allowed.
        const bool sameEntry = destination.parent == source.parent && destination.name == source.name;
        if (!sameEntry)
            return Fail(ERROR_ALREADY_EXISTS);
        toName = targetPath.components.back();
        if (toName == source.name)
            return true;
        to = detail::JoinHost(destination.parent, toName);
    } else if (!destination.parentExists) {
        return Fail(ERROR_PATH_NOT_FOUND);
    }
    if (RenameWithoutReplacing(source.host, to) != 0)
        return FailWithErrno(errno == EINVAL ? EACCES : errno, ERROR_PATH_NOT_FOUND);
    detail::FolderNameCache& cache = detail::State().folderNames;
    // Within one folder, a copy found up to date by either lookup was up to
    // date before the rename.
    const bool sameFolder = destination.parent == source.parent;
    cache.Removed(source.parent, source.name,
                  source.parentCurrent || (sameFolder && destination.parentCurrent));
    cache.Forget(source.host);
    cache.Added(destination.parent, toName,
                destination.parentCurrent || (sameFolder && source.parentCurrent));
    return true;
}

} // namespace platform
