#include "platform/FolderRename.h"

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"
#include "platform/StatxDetails.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace platform {

namespace {

// Two names of one folder whose kept names are those on disk.
struct FollowedFolder {
    std::string parent; // host path
    std::string name;   // as written
    std::string newName;
    const detail::FolderNames* names = nullptr;
    int fd = -1; // the folder held open; -1 when it cannot be
};

bool Followed(const std::string& path, const std::string& newPath, FollowedFolder& folder) {
    detail::WindowsPath from;
    detail::WindowsPath to;
    if (!detail::ParsePath(path, from) || !detail::ParsePath(newPath, to) || from.IsRoot() || to.IsRoot() ||
        from.drive != to.drive || from.components.size() != to.components.size() ||
        !std::equal(from.components.begin(), from.components.end() - 1, to.components.begin()))
        return false;
    std::string exact;
    std::string exactTo;
    if (!detail::ExactHostPath(from, exact) || !detail::ExactHostPath(to, exactTo))
        return false;
    folder.name = from.components.back();
    folder.newName = to.components.back();
    folder.parent = from.components.size() == 1 ? *detail::DriveRoot(from.drive)
                                                : exact.substr(0, exact.size() - folder.name.size() - 1);
    detail::PlatformState& state = detail::State();
    struct stat parent {};
    if (!state.folderWatches.Current(folder.parent, state.folderNames, parent.st_dev, parent.st_ino))
        return false;
    const detail::FolderStatus* status = nullptr;
    folder.names = state.folderNames.Peek(folder.parent, status);
    if (!folder.names)
        return false;
    folder.fd = state.openFolders.Descriptor(folder.parent, parent);
    return true;
}

// The entry `written` names in the folder; kind Missing when none.
EntryDetails Look(const FollowedFolder& folder, const std::string& written) {
    const std::string* actual = folder.names->Find(written);
    if (!actual)
        return {};
    const std::string name = *actual;
    const int at = folder.fd >= 0 ? folder.fd : AT_FDCWD;
    const std::string where = folder.fd >= 0 ? name : detail::JoinHost(folder.parent, name);
    struct statx st;
    if (statx(at, where.c_str(), AT_SYMLINK_NOFOLLOW, detail::DetailsStatxMask, &st) != 0)
        return {};
    struct stat target;
    const bool linkToFolder =
        S_ISLNK(st.stx_mode) && fstatat(at, where.c_str(), &target, 0) == 0 && S_ISDIR(target.st_mode);
    return detail::DetailsOf(name, st, at, where.c_str(), AT_SYMLINK_NOFOLLOW, linkToFolder);
}

} // namespace

bool LookBeforeRename(const std::string& path, const std::string& newPath, EntryDetails& entry,
                      EntryDetails& there) {
    FollowedFolder folder;
    if (!Followed(path, newPath, folder))
        return false;
    entry = Look(folder, folder.name);
    there = Look(folder, folder.newName);
    return true;
}

bool RenameWithinFolder(const std::string& path, const std::string& newPath) {
    FollowedFolder folder;
    if (!Followed(path, newPath, folder) || folder.fd < 0)
        return MoveFileA(path, newPath);
    const std::string* actual = folder.names->Find(folder.name);
    if (!actual)
        return detail::Fail(ERROR_FILE_NOT_FOUND);
    const std::string from = *actual;
    // Renaming an entry to another case of its own name is allowed.
    if (const std::string* there = folder.names->Find(folder.newName)) {
        if (*there != from)
            return detail::Fail(ERROR_ALREADY_EXISTS);
        if (folder.newName == from)
            return true;
    }
    if (renameat2(folder.fd, from.c_str(), folder.fd, folder.newName.c_str(), RENAME_NOREPLACE) != 0) {
        // A host that cannot rename without replacing goes the long way.
        if (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP)
            return MoveFileA(path, newPath);
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    }
    // The watch reports the rename, and the folder's kept names follow it at
    // the next look; what was kept below the entry's old path goes.
    detail::State().folderNames.Forget(detail::JoinHost(folder.parent, from));
    return true;
}

} // namespace platform
