#include "platform/FolderRename.h"

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"
#include "platform/StatxDetails.h"
#include "platform/WindowsPath.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string_view>

namespace platform {

namespace {

// The folder of a rename as its watch finds it now.
struct FollowedFolder {
    const detail::FolderNames* names = nullptr;
    int fd = -1; // the folder held open; -1 when it cannot be
};

// `asOfOwnRename`: the look of a run that renames one entry after another
// (see FolderWatches::CurrentAsOfOwnRename); the rename itself always reads
// the queue.
bool Followed(const std::string& parent, FollowedFolder& folder, bool asOfOwnRename) {
    detail::PlatformState& state = detail::State();
    struct stat status {};
    detail::FolderWatches& watches = state.folderWatches;
    if (asOfOwnRename ? !watches.CurrentAsOfOwnRename(parent, state.folderNames, status.st_dev, status.st_ino)
                      : !watches.Current(parent, state.folderNames, status.st_dev, status.st_ino))
        return false;
    const detail::FolderStatus* kept = nullptr;
    folder.names = state.folderNames.Peek(parent, kept);
    if (!folder.names)
        return false;
    folder.fd = state.openFolders.Descriptor(parent, status);
    return true;
}

// The entry `written` names in the folder; kind Missing when none.
EntryDetails EntryNamed(const FollowedFolder& folder, const std::string& parent, const std::string& written,
                        const detail::NameKey& key) {
    const std::string* actual = folder.names->Find(written, key);
    if (!actual)
        return {};
    const std::string name = *actual;
    const int at = folder.fd >= 0 ? folder.fd : AT_FDCWD;
    const std::string where = folder.fd >= 0 ? name : detail::JoinHost(parent, name);
    struct statx st;
    if (statx(at, where.c_str(), AT_SYMLINK_NOFOLLOW, detail::DetailsStatxMask, &st) != 0)
        return {};
    struct stat target;
    const bool linkToFolder =
        S_ISLNK(st.stx_mode) && fstatat(at, where.c_str(), &target, 0) == 0 && S_ISDIR(target.st_mode);
    return detail::DetailsOf(name, st, at, where.c_str(), AT_SYMLINK_NOFOLLOW, linkToFolder);
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The name `newPath` gives, read alone, where it is `path` with another last
// name: the text before the last names is one, so it leads to one folder, and
// a run's paths need no second reading of it. False when the paths differ
// otherwise, or a last name is not a name of its own (".", "..", "x\\"):
// then the new path is read whole.
bool NewNameBeside(const std::string& path, const std::string& newPath, std::string& newName) {
    std::size_t cut = path.size();
    while (cut > 0 && !IsSeparator(path[cut - 1]))
        --cut;
    if (cut == 0 || newPath.size() <= cut || newPath.compare(0, cut, path, 0, cut) != 0)
        return false;
    const std::string_view newLast = std::string_view(newPath).substr(cut);
    if (std::any_of(newLast.begin(), newLast.end(), IsSeparator))
        return false;
    std::string_view name;
    std::string_view newNameRead;
    if (!detail::ParseWindowsName(std::string_view(path).substr(cut), name) ||
        !detail::ParseWindowsName(newLast, newNameRead))
        return false;
    newName = newNameRead;
    return true;
}

} // namespace

bool LookBeforeRename(const std::string& path, const std::string& newPath, EntryDetails& entry,
                      EntryDetails& there) {
    return RenameInFolder(path, newPath).Look(entry, there, false);
}

bool RenameWithinFolder(const std::string& path, const std::string& newPath) {
    return RenameInFolder(path, newPath).Rename();
}

RenameInFolder::RenameInFolder(const std::string& path, const std::string& newPath)
    : path_(path), newPath_(newPath) {
    detail::WindowsPath from;
    if (!detail::ParsePath(path, from) || from.IsRoot())
        return;
    std::string newName;
    if (!NewNameBeside(path, newPath, newName)) {
        detail::WindowsPath to;
        if (!detail::ParsePath(newPath, to) || to.IsRoot() || from.drive != to.drive ||
            from.components.size() != to.components.size() ||
            !std::equal(from.components.begin(), from.components.end() - 1, to.components.begin()))
            return;
        newName = std::move(to.components.back());
    }
    std::string exact;
    if (!detail::ExactHostPath(from, exact))
        return;
    // The new path differs from the exact one in its last name alone.
    if (newName.size() > NAME_MAX ||
        exact.size() - from.components.back().size() + newName.size() >= PATH_MAX) {
        detail::Fail(ERROR_FILENAME_EXCED_RANGE);
        return;
    }
    name_ = std::move(from.components.back());
    newName_ = std::move(newName);
    nameKey_ = detail::NameKey::Of(name_);
    newNameKey_ = detail::NameKey::Of(newName_);
    parent_ = from.components.size() == 1 ? *detail::DriveRoot(from.drive)
                                          : exact.substr(0, exact.size() - name_.size() - 1);
    ofOneFolder_ = true;
}

bool RenameInFolder::Look(EntryDetails& entry, EntryDetails& there, bool asOfOwnRename) {
    FollowedFolder folder;
    if (!ofOneFolder_ || !Followed(parent_, folder, asOfOwnRename))
        return false;
    entry = EntryNamed(folder, parent_, name_, nameKey_);
    there = EntryNamed(folder, parent_, newName_, newNameKey_);
    return true;
}

bool RenameInFolder::Rename() {
    // The watch is asked again: another program may have given the folder
    // the new name in other letters since the look.
    FollowedFolder folder;
    if (!ofOneFolder_ || !Followed(parent_, folder, false) || folder.fd < 0)
        return MoveFileA(path_, newPath_);
    const std::string* actual = folder.names->Find(name_, nameKey_);
    if (!actual)
        return detail::Fail(ERROR_FILE_NOT_FOUND);
    const std::string from = *actual;
    // Renaming an entry to another case of its own name is allowed.
    if (const std::string* there = folder.names->Find(newName_, newNameKey_)) {
        if (*there != from)
            return detail::Fail(ERROR_ALREADY_EXISTS);
        if (newName_ == from)
            return true;
    }
    if (renameat2(folder.fd, from.c_str(), folder.fd, newName_.c_str(), RENAME_NOREPLACE) != 0) {
        // A host that cannot rename without replacing goes the long way.
        if (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP)
            return MoveFileA(path_, newPath_);
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    }
    // The watch reports the rename too; what was kept below the entry's old
    // path goes.
    detail::PlatformState& state = detail::State();
    state.folderNames.FollowRename(parent_, from, nameKey_, newName_, newNameKey_);
    state.folderWatches.RenamedRightAfterReading(parent_, from, newName_);
    state.folderNames.Forget(detail::JoinHost(parent_, from));
    return true;
}

} // namespace platform
