// Attributes, creating and removing folders, deleting and moving entries.

#include "platform/Attributes.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"
#include "platform/StatxDetails.h"
#include "platform/StatxIdentity.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

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

// What statx is asked of a new folder: the status its kept names go with, and
// its identity.
constexpr unsigned MadeFolderMask = STATX_BASIC_STATS | detail::IdentityStatxMask;

// When a folder is about to be made, on the clock file systems stamp their
// times with: the folder the call makes is born no earlier.
struct timespec CreationStarts() {
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now;
}

// Whether the folder read back is, as far as the kernel tells, the one the
// call has just made: a folder, born no earlier than the call where the file
// system records a birth time. Another program's folder moved into the name
// at once after the creation is older.
bool MadeSince(const struct statx& created, const struct timespec& start) {
    if (!S_ISDIR(created.stx_mode))
        return false;
    if (!(created.stx_mask & STATX_BTIME))
        return true;
    return created.stx_btime.tv_sec > start.tv_sec ||
           (created.stx_btime.tv_sec == start.tv_sec && created.stx_btime.tv_nsec >= start.tv_nsec);
}

// After a folder was made: keeps its (empty) names and hands back its details,
// from one statx of its name in the folder open as `parent`, taken at once
// and never by a later look by its whole path. A folder that cannot be read
// back at once, or not as the one made, was still made, so this never fails
// the creation; it only keeps nothing and hands back nothing.
// Where a watch followed the folder during the call (also one that began at
// the look before it), the watch is read after that statx: where it tells
// that the name was removed, moved away or made again since the creation
// call, what was read may be a folder another program swapped in, and the
// call fails as on a folder that was there (the run's own is gone from the
// name either way). Where no watch follows the folder, that moment goes unseen.
bool NoteMadeFolder(int parent, const std::string& name, const Resolved& resolved, bool keepNames,
                    std::optional<EntryDetails>* made, const struct timespec& start) {
    if (!keepNames && !made)
        return true;
    struct statx created;
    if (statx(parent, name.c_str(), AT_SYMLINK_NOFOLLOW, MadeFolderMask, &created) != 0 ||
        !MadeSince(created, start))
        return true;
    if (!detail::State().folderWatches.MadeUndisturbed(resolved.parent, resolved.name,
                                                       detail::State().folderNames))
        return Fail(ERROR_ALREADY_EXISTS);
    if (keepNames)
        detail::State().folderNames.Created(resolved.host, detail::FolderStatus::Of(created));
    if (made)
        *made = detail::DetailsOf(resolved.name, created, parent, name.c_str(), AT_SYMLINK_NOFOLLOW);
    return true;
}

// A folder made in a watched folder joins its kept names at once, so that
// the next look-up there need not wait for the watch to report it.
void FollowMade(const Resolved& resolved) {
    detail::State().folderNames.Follow(resolved.parent, resolved.name, true,
                                       resolved.key.Taken() ? &resolved.key : nullptr);
    detail::State().folderWatches.Made(resolved.parent, resolved.name);
}

// Whether the parent's status after the layer made one folder in it shows
// no change but that one: a folder made by someone else between the look at
// the parent and the creation (whose times this one's then hides) shows in
// its link count. File systems that count no subfolders in a folder's links
// tell nothing this way. `before` is the status the kept names were found
// current with, zero where none was taken.
bool OnlyOwnFolderMade(const struct stat& before, const struct stat& after) {
    return before.st_nlink < 2 || after.st_nlink == before.st_nlink + 1;
}

// After the layer made the folder `resolved` stands for: its parent's kept
// names take it in. `parent` is the parent open, or negative where it could
// not be opened (its status is then read by its path).
void NoteMadeInParent(const Resolved& resolved, int parent) {
    if (resolved.parentWatched) {
        FollowMade(resolved);
        return;
    }
    // The status after the change is kept only where it shows the layer's own
    // change alone; otherwise the names are read again.
    struct stat parentNow;
    const bool seen =
        (parent >= 0 ? fstat(parent, &parentNow) : stat(resolved.parent.c_str(), &parentNow)) == 0;
    detail::State().folderNames.Added(resolved.parent, resolved.name,
                                      resolved.parentCurrent && seen &&
                                          OnlyOwnFolderMade(resolved.parentSt, parentNow),
                                      seen ? detail::FolderStatus::Of(parentNow) : detail::FolderStatus{},
                                      resolved.key.Taken() ? &resolved.key : nullptr);
    // A watch that began at the look reports the creation as its own.
    detail::State().folderWatches.Made(resolved.parent, resolved.name);
}

// Creates the folder `resolved` stands for, known to be missing with its
// parent there, in its parent opened for the purpose (by its whole path when
// even that cannot be opened).
bool MakeFolderByPath(const Resolved& resolved, bool keepNames, std::optional<EntryDetails>* made) {
    const int parent = open(resolved.parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const std::string& where = parent < 0 ? resolved.host : resolved.name;
    const int at = parent < 0 ? AT_FDCWD : parent;
    const struct timespec start = CreationStarts();
    if (mkdirat(at, where.c_str(), 0777) != 0) {
        const int error = errno;
        if (parent >= 0)
            close(parent);
        return FailWithErrno(error, ERROR_PATH_NOT_FOUND);
    }
    NoteMadeInParent(resolved, parent);
    const bool own = NoteMadeFolder(at, where, resolved, keepNames, made, start);
    if (parent >= 0)
        close(parent);
    return own;
}

// The same, relative to the open folder holding it where the path was
// answered from that folder's kept names: the kernel walks no path, and the
// folder's new status is one fstat (none when the folder is watched: its
// names follow its changes). `made` (when given) gets the new folder's
// details, from the one statx that also gives the status its (empty) names
// are kept with.
bool MakeFolder(const Resolved& resolved, bool keepNames, std::optional<EntryDetails>* made) {
    const int parent = detail::ParentDescriptor(resolved);
    if (parent < 0)
        return MakeFolderByPath(resolved, keepNames, made);
    const struct timespec start = CreationStarts();
    if (mkdirat(parent, resolved.name.c_str(), 0777) != 0)
        return FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    NoteMadeInParent(resolved, parent);
    return NoteMadeFolder(parent, resolved.name, resolved, keepNames, made, start);
}

} // namespace

bool CreateDirectoryA(const std::string& path, std::optional<EntryDetails>* made) {
    if (made)
        made->reset();
    Resolved resolved;
    if (!detail::ResolveText(path, resolved, detail::Expect::New))
        return false;
    if (resolved.exists)
        return Fail(ERROR_ALREADY_EXISTS);
    if (!resolved.parentExists)
        return Fail(ERROR_PATH_NOT_FOUND);
    return MakeFolder(resolved, true, made);
}

bool TryCreateDirectoryInFolder(const std::string& path, bool keepNames, std::optional<EntryDetails>* made) {
    if (made)
        made->reset();
    Resolved resolved;
    if (!detail::ResolveText(path, resolved, detail::Expect::New))
        return false;
    if (resolved.exists)
        return Fail(ERROR_ALREADY_EXISTS);
    if (!resolved.parentExists || !resolved.parentIsFolder)
        return Fail(ERROR_PATH_NOT_FOUND);
    return MakeFolder(resolved, keepNames, made);
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
