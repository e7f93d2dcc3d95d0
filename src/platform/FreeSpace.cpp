// GetDiskFreeSpaceExA: what the user may still write on the file system that
// holds a folder of a drive.

#include "platform/Drives.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cerrno>

namespace platform {

namespace {

void Put(uint64_t* out, uint64_t value) {
    if (out)
        *out = value;
}

} // namespace

void SetFreeSpaceOverride(char letter, std::optional<uint64_t> freeBytes) {
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 32);
    if (letter < 'A' || letter > 'Z')
        return;
    auto& overrides = detail::State().freeSpaceOverrides;
    if (freeBytes)
        overrides[letter] = *freeBytes;
    else
        overrides.erase(letter);
}

namespace {

// The host path of the deepest existing folder of `path`: the path itself
// when it is one, else the folder that holds its first missing component.
// False when not even the drive's folder can be reached.
bool DeepestExistingFolder(detail::WindowsPath path, std::string& host) {
    for (;;) {
        detail::Resolved resolved;
        if (!detail::Resolve(path, resolved))
            return false;
        struct stat st;
        if (resolved.exists && stat(resolved.host.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
            host = resolved.host;
            return true;
        }
        if (path.IsRoot())
            return detail::Fail(ERROR_PATH_NOT_FOUND);
        path.components.pop_back();
    }
}

} // namespace

bool GetDiskFreeSpaceExA(const std::string& directory, uint64_t* freeBytesAvailableToCaller,
                         uint64_t* totalBytes, uint64_t* totalFreeBytes) {
    Put(freeBytesAvailableToCaller, 0);
    Put(totalBytes, 0);
    Put(totalFreeBytes, 0);
    detail::WindowsPath path;
    if (!detail::ParsePath(directory, path))
        return false;
    const auto& overrides = detail::State().freeSpaceOverrides;
    if (auto found = overrides.find(path.drive); found != overrides.end()) {
        if (!detail::DriveRoot(path.drive))
            return detail::Fail(ERROR_PATH_NOT_FOUND);
        Put(freeBytesAvailableToCaller, found->second);
        Put(totalBytes, found->second);
        Put(totalFreeBytes, found->second);
        return true;
    }
    // A drive may hold several file systems (a disk mounted into a folder):
    // what counts is the one a folder of the path will be written to.
    std::string host;
    if (!DeepestExistingFolder(path, host))
        return false;
    struct statvfs fs;
    if (statvfs(host.c_str(), &fs) != 0)
        return detail::FailWithErrno(errno, ERROR_NOT_READY);
    const uint64_t unit = fs.f_frsize ? fs.f_frsize : fs.f_bsize;
    Put(freeBytesAvailableToCaller, static_cast<uint64_t>(fs.f_bavail) * unit);
    Put(totalBytes, static_cast<uint64_t>(fs.f_blocks) * unit);
    Put(totalFreeBytes, static_cast<uint64_t>(fs.f_bfree) * unit);
    return true;
}

} // namespace platform
