// CopyFileA: a file's content, mode and modification time to a new or an
// existing file.

#include "platform/Attributes.h"
#include "platform/Errors.h"
#include "platform/FileContent.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform {

namespace {

using detail::FileDescriptor;

// Writes a copy under a temporary name beside `target` and renames it over
// the target, so that a failed copy never leaves the old file half
// overwritten. 0 or an errno.
int ReplaceWithCopy(int in, const struct stat& source, const std::string& folder, const std::string& target) {
    std::string temporary = detail::JoinHost(folder, ".foldersmith-copy-XXXXXX");
    FileDescriptor out(mkostemp(temporary.data(), O_CLOEXEC));
    if (out.Get() < 0)
        return errno;
    int error = detail::FillCopy(in, out.Get(), source);
    if (!error && fchmod(out.Get(), source.st_mode & 07777) != 0)
        error = errno;
    if (int closed = out.Close(); !error)
        error = closed;
    if (!error && rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error)
        unlink(temporary.c_str());
    return error;
}

} // namespace

namespace {

// Opens the file to copy: its exact path first, the search ignoring case only
// when that fails. O_NONBLOCK keeps a named pipe from blocking the open; it
// means nothing to the regular files that are copied. -1 with the error
// recorded.
int OpenSource(const std::string& existing) {
    detail::WindowsPath path;
    if (!detail::ParsePath(existing, path))
        return -1;
    constexpr int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
    std::string exact;
    if (!detail::ExactHostPath(path, exact))
        return -1;
    const int fd = open(exact.c_str(), flags);
    if (fd >= 0)
        return fd;
    detail::Resolved source;
    if (!detail::Resolve(path, source))
        return -1;
    if (!source.exists) {
        detail::Fail(detail::MissingError(source));
        return -1;
    }
    const int found = open(source.host.c_str(), flags);
    if (found < 0)
        detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    return found;
}

} // namespace

bool CopyFileA(const std::string& existing, const std::string& target, bool failIfExists) {
    FileDescriptor in(OpenSource(existing));
    if (in.Get() < 0)
        return false;
    // Only regular files (also behind a link) are copied.
    struct stat sourceStatus;
    if (fstat(in.Get(), &sourceStatus) != 0 || !S_ISREG(sourceStatus.st_mode))
        return detail::Fail(ERROR_ACCESS_DENIED);
    return detail::CopyOpenFile(in.Get(), sourceStatus, target, failIfExists);
}

namespace detail {

bool CopyOpenFile(int in, const struct stat& sourceStatus, const std::string& target, bool failIfExists) {
    detail::Resolved destination;
    if (!detail::ResolveText(target, destination, detail::Expect::New))
        return false;
    if (destination.isRoot)
        return detail::Fail(ERROR_ACCESS_DENIED);
    detail::FolderNameCache& cache = detail::State().folderNames;
    if (destination.exists) {
        if (failIfExists)
            return detail::Fail(ERROR_FILE_EXISTS);
        if (S_ISDIR(destination.st.st_mode))
            return detail::Fail(ERROR_ACCESS_DENIED);
        struct stat targetStatus;
        if (stat(destination.host.c_str(), &targetStatus) == 0 &&
            targetStatus.st_dev == sourceStatus.st_dev && targetStatus.st_ino == sourceStatus.st_ino)
            return detail::Fail(ERROR_SHARING_VIOLATION); // a file onto itself
        if (!S_ISLNK(destination.st.st_mode) && !detail::IsWritable(destination.st))
            return detail::Fail(ERROR_ACCESS_DENIED); // Windows keeps read-only files
        if (int error = ReplaceWithCopy(in, sourceStatus, destination.parent, destination.host))
            return detail::FailWithErrno(error, ERROR_PATH_NOT_FOUND);
        // The temporary name came and went; the names are the same as before.
        cache.Added(destination.parent, destination.name, destination.parentCurrent);
        return true;
    }
    if (!destination.parentExists)
        return detail::Fail(ERROR_PATH_NOT_FOUND);
    // Relative to the open folder where the target was looked up in its kept
    // names: no walk of the whole path, and the folder's new status is one fstat.
    const int folder = detail::ParentDescriptor(destination);
    const int at = folder >= 0 ? folder : AT_FDCWD;
    const char* name = folder >= 0 ? destination.name.c_str() : destination.host.c_str();
    FileDescriptor out(
        openat(at, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, sourceStatus.st_mode & 0777));
    if (out.Get() < 0) {
        // EEXIST: someone else created the target since it was looked up.
        if (errno == EEXIST)
            return detail::Fail(ERROR_FILE_EXISTS);
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    }
    int error = detail::FillCopy(in, out.Get(), sourceStatus);
    if (int closed = out.Close(); !error)
        error = closed;
    if (error) {
        unlinkat(at, name, 0);
        cache.Removed(destination.parent, destination.name, false);
        return detail::FailWithErrno(error, ERROR_PATH_NOT_FOUND);
    }
    struct stat folderNow;
    if (folder >= 0 && fstat(folder, &folderNow) == 0)
        cache.Added(destination.parent, destination.name, destination.parentCurrent,
                    detail::FolderStatus::Of(folderNow));
    else
        cache.Added(destination.parent, destination.name, destination.parentCurrent && folder < 0);
    return true;
}

} // namespace detail

} // namespace platform
