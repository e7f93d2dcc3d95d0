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

// The last names of `path` and `newPath`, read alone, where `newPath` is
// `path` with another last name: the text before the last names (up to
// `cut`) is one, so it leads to one folder, and a run's paths need no second
// reading of it. False when the paths differ otherwise, or a last name is
// not a name of its own (".", "..", "x\\"): then the new path is read whole.
bool NamesBeside(const std::string& path, const std::string& newPath, std::size_t& cut,
                 std::string_view& name, std::string_view& newName) {
    cut = path.size();
    while (cut > 0 && !IsSeparator(path[cut - 1]))
        --cut;
    if (cut == 0 || newPath.size() <= cut || newPath.compare(0, cut, path, 0, cut) != 0)
        return false;
    const std::string_view newLast = std::string_view(newPath).substr(cut);
    return std::none_of(newLast.begin(), newLast.end(), IsSeparator) &&
           detail::ParseWindowsName(std::string_view(path).substr(cut), name) &&
           detail::ParseWindowsName(newLast, newName);
}

// A path of a drive's full form ("D:\\..."), which means the same folder
// whatever the current directory.
bool OfDriveFullForm(const std::string& path) {
    const char letter = path.empty() ? 0 : path[0];
    return path.size() > 2 && ((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z')) &&
           path[1] == ':' && IsSeparator(path[2]);
}

} // namespace

bool LookBeforeRename(const std::string& path, const std::string& newPath, EntryDetails& entry,
                      EntryDetails& there) {
    return RenameInFolder(path, newPath).Look(entry, there, false);
}

bool RenameWithinFolder(const std::string& path, const std::string& newPath) {
    return RenameInFolder(path, newPath).Rename();
}

RenameInFolder::RenameInFolder(const std::string& path, const std::string& newPath) {
    Aim(path, newPath);
}

void RenameInFolder::Aim(const std::string& path, const std::string& newPath) {
    path_ = path;
    newPath_ = newPath;
    ofOneFolder_ = false;
    std::size_t cut = 0;
    std::string_view name;
    std::string_view newName;
    const bool beside = NamesBeside(path, newPath, cut, name, newName);
    // The folder the last rename's paths led to, written the same way.
    if (beside && !folderText_.empty() && std::string_view(path).substr(0, cut) == folderText_) {
        TakeNames(name, newName);
        return;
    }
    folderText_.clear();
    detail::WindowsPath from;
    if (!detail::ParsePath(path, from) || from.IsRoot())
        return;
    std::string newNameRead;
    if (!beside) {
        detail::WindowsPath to;
        if (!detail::ParsePath(newPath, to) || to.IsRoot() || from.drive != to.drive ||
            from.components.size() != to.components.size() ||
            !std::equal(from.components.begin(), from.components.end() - 1, to.components.begin()))
            return;
        newNameRead = std::move(to.components.back());
        newName = newNameRead;
    }
    std::string exact;
    if (!detail::ExactHostPath(from, exact))
        return;
    if (from.components.size() == 1) {
        parent_ = *detail::DriveRoot(from.drive);
    } else {
        exact.resize(exact.size() - from.components.back().size() - 1);
        parent_ = std::move(exact);
    }
    if (TakeNames(from.components.back(), newName) && beside && OfDriveFullForm(path))
        folderText_.assign(path, 0, cut);
}

bool RenameInFolder::TakeNames(std::string_view name, std::string_view newName) {
    // The exact paths are the folder's and a name.
    const std::size_t folderLength = parent_.size() + (parent_.back() == '/' ? 0 : 1);
    if (name.size() > NAME_MAX || newName.size() > NAME_MAX || folderLength + name.size() >= PATH_MAX ||
        folderLength + newName.size() >= PATH_MAX)
        return detail::Fail(ERROR_FILENAME_EXCED_RANGE);
    name_ = name;
    newName_ = newName;
    nameKey_ = detail::NameKey::Of(name_);
    newNameKey_ = detail::NameKey::Of(newName_);
    ofOneFolder_ = true;
    return true;
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
