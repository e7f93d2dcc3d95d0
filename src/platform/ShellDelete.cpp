// The shell's delete of "folder\pattern": every matching entry of the folder,
// subtrees included, without confirmation and without a recycle bin. Links
// are removed as entries of their own and never followed, and every step
// below the folder goes through open folder handles, so that a link put in
// place meanwhile is not followed either. A mount point (something mounted
// inside the folder, a bind mount of a folder of the same file system too)
// is never entered nor removed: what lies there is not the folder's to give
// away. It is told by the mount, not by the device number, which a bind
// mount shares with the folder it was made in.

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/MountOf.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"
#include "platform/TreeDeletion.h"
#include "platform/Wildcard.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

namespace platform {

namespace {

// The names of the folder open as `fd` (the handle stays open).
bool NamesIn(int fd, std::vector<std::string>& names, int& error) {
    const int copy = dup(fd);
    if (copy < 0) {
        error = errno;
        return false;
    }
    DIR* dir = fdopendir(copy);
    if (!dir) {
        error = errno;
        close(copy);
        return false;
    }
    rewinddir(dir);
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    return true;
}

} // namespace

namespace detail {

bool DeleteEntryTree(int parent, const std::string& name, uint64_t mount, int& error) {
    struct statx st;
    if (statx(parent, name.c_str(), AT_SYMLINK_NOFOLLOW, STATX_TYPE | MountStatxMask, &st) != 0) {
        if (errno == ENOENT)
            return true;
        error = error ? error : errno;
        return false;
    }
    // A file can be mounted on as well as a folder.
    if (IsMountRoot(st) || MountOf(st) != mount) {
        error = error ? error : EXDEV;
        return false;
    }
    if (!S_ISDIR(st.stx_mode)) {
        if (unlinkat(parent, name.c_str(), 0) == 0 || errno == ENOENT)
            return true;
        error = error ? error : errno;
        return false;
    }
    const int fd = openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = error ? error : errno;
        return false;
    }
    // Something mounted there between the look and the open is seen now.
    struct statx opened;
    if (statx(fd, "", AT_EMPTY_PATH, MountStatxMask, &opened) != 0 || IsMountRoot(opened) ||
        MountOf(opened) != mount) {
        close(fd);
        error = error ? error : EXDEV;
        return false;
    }
    const bool all = EmptyOpenFolder(fd, mount, error);
    close(fd);
    if (!all)
        return false;
    if (unlinkat(parent, name.c_str(), AT_REMOVEDIR) == 0 || errno == ENOENT)
        return true;
    error = error ? error : errno;
    return false;
}

bool EmptyOpenFolder(int folder, uint64_t mount, int& error) {
    std::vector<std::string> names;
    if (!NamesIn(folder, names, error))
        return false;
    bool all = true;
    for (const std::string& child : names)
        all = DeleteEntryTree(folder, child, mount, error) && all;
    return all;
}

} // namespace detail

bool ShellDeleteFiles(const std::string& pattern) {
    detail::WindowsPath folderPath;
    std::string namePattern;
    uint32_t parseError = 0;
    if (!detail::ParseWindowsPattern(pattern, detail::State().currentDirectory, folderPath, namePattern,
                                     parseError))
        return detail::Fail(parseError);
    detail::Resolved folder;
    if (!detail::Resolve(folderPath, folder))
        return false;
    if (!folder.exists)
        return detail::Fail(ERROR_PATH_NOT_FOUND);
    // A drive is never emptied as a whole, and a link to a folder is never a
    // way into the folder it points to.
    if (folder.isRoot || !S_ISDIR(folder.st.st_mode))
        return detail::Fail(ERROR_ACCESS_DENIED);
    const int fd = open(folder.host.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    const detail::WildcardPattern matcher(namePattern);
    int error = 0;
    bool all = true;
    std::vector<std::string> names;
    struct statx opened;
    if (statx(fd, "", AT_EMPTY_PATH, detail::MountStatxMask, &opened) != 0) {
        error = errno;
        all = false;
    } else if (NamesIn(fd, names, error)) {
        for (const std::string& name : names) {
            if (matcher.Matches(name))
                all = detail::DeleteEntryTree(fd, name, detail::MountOf(opened), error) && all;
        }
    } else {
        all = false;
    }
    close(fd);
    detail::State().folderNames.Forget(folder.host);
    if (!all)
        return detail::FailWithErrno(error ? error : EACCES, ERROR_FILE_NOT_FOUND);
    return true;
}

} // namespace platform
