// The simulated current directory: a Windows path kept by this layer. The
// process's own working directory never changes.

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

std::string GetCurrentDirectoryA() {
    return detail::State().currentDirectory.ToString();
}

bool GetFullPathNameA(const std::string& path, std::string& full) {
    // Most paths a run hands on are written so already.
    if (detail::IsFullForm(path)) {
        full = path;
        return true;
    }
    detail::WindowsPath parsed;
    if (!detail::ParsePath(path, parsed))
        return false;
    for (const std::string& component : parsed.components) {
        if (component.size() > 255)
            return detail::Fail(ERROR_FILENAME_EXCED_RANGE);
    }
    full = parsed.ToString();
    return true;
}

bool PathFitsWhole(const std::string& path) {
    detail::WindowsPath parsed;
    if (!detail::ParsePath(path, parsed))
        return false;
    std::string exact;
    return detail::ExactHostPath(parsed, exact);
}

bool SetCurrentDirectoryA(const std::string& path) {
    detail::WindowsPath parsed;
    if (!detail::ParsePath(path, parsed))
        return false;
    detail::Resolved resolved;
    if (!detail::Resolve(parsed, resolved))
        return false;
    if (!resolved.exists)
        return detail::Fail(detail::MissingError(resolved));
    // A folder link is entered as Windows enters it; a walk tells links by
    // their reparse-point attribute before it tries to enter an entry.
    struct stat target;
    if (stat(resolved.host.c_str(), &target) != 0 || !S_ISDIR(target.st_mode))
        return detail::Fail(ERROR_DIRECTORY);
    if (faccessat(AT_FDCWD, resolved.host.c_str(), X_OK, AT_EACCESS) != 0)
        return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    // Kept with the names as they are on disk.
    const std::string* root = detail::DriveRoot(parsed.drive);
    detail::WindowsPath current;
    current.drive = parsed.drive;
    if (!resolved.isRoot) {
        std::string::size_type start = root->size();
        const std::string& host = resolved.host;
        while (start < host.size()) {
            while (start < host.size() && host[start] == '/')
                ++start;
            std::string::size_type end = host.find('/', start);
            if (end == std::string::npos)
                end = host.size();
            if (end > start)
                current.components.push_back(host.substr(start, end - start));
            start = end;
        }
    }
    detail::State().currentDirectory = std::move(current);
    return true;
}

} // namespace platform
