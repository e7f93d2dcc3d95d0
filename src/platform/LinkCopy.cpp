// A link as an entry of its own: copied as a link (CopySymbolicLinkA, its
// target never read), and asked where it leads (GetLinkTargetA).

#include "platform/Drives.h"
#include "platform/Errors.h"
#include "platform/FileContent.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace platform {

namespace {

// The target text of the link at `host`; false with errno set.
bool ReadLinkText(const std::string& host, std::string& text) {
    return detail::ReadLinkAt(AT_FDCWD, host.c_str(), text);
}

} // namespace

namespace detail {

bool ReadLinkAt(int folder, const char* name, std::string& text) {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlinkat(folder, name, buffer.data(), buffer.size());
        if (length < 0)
            return false;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            text.assign(buffer.data(), static_cast<std::size_t>(length));
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool MakeLink(const std::string& text, const std::string& target) {
    detail::Resolved destination;
    if (!detail::ResolveText(target, destination, detail::Expect::New))
        return false;
    if (destination.isRoot)
        return detail::Fail(ERROR_ACCESS_DENIED);
    if (destination.exists)
        return detail::Fail(ERROR_FILE_EXISTS);
    if (!destination.parentExists)
        return detail::Fail(ERROR_PATH_NOT_FOUND);
    // symlink() never replaces an entry: one made meanwhile makes it fail.
    if (symlink(text.c_str(), destination.host.c_str()) != 0)
        return errno == EEXIST ? detail::Fail(ERROR_FILE_EXISTS)
                               : detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    detail::State().folderNames.Added(destination.parent, destination.name, destination.parentCurrent);
    return true;
}

} // namespace detail

bool CopySymbolicLinkA(const std::string& existing, const std::string& target) {
    detail::Resolved source;
    if (!detail::ResolveText(existing, source))
        return false;
    if (!source.exists)
        return detail::Fail(detail::MissingError(source));
    if (!S_ISLNK(source.st.st_mode))
        return detail::Fail(ERROR_INVALID_PARAMETER);
    std::string text;
    if (!ReadLinkText(source.host, text))
        return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    return detail::MakeLink(text, target);
}

bool GetLinkTargetA(const std::string& link, std::string& target) {
    detail::Resolved resolved;
    if (!detail::ResolveText(link, resolved))
        return false;
    if (!resolved.exists)
        return detail::Fail(detail::MissingError(resolved));
    if (!S_ISLNK(resolved.st.st_mode))
        return detail::Fail(ERROR_INVALID_PARAMETER);
    std::string text;
    if (!ReadLinkText(resolved.host, text))
        return detail::FailWithErrno(errno, ERROR_FILE_NOT_FOUND);
    // A relative target is read from the folder that holds the link.
    std::filesystem::path host(text);
    if (host.is_relative())
        host = std::filesystem::path(resolved.parent) / host;
    std::optional<std::string> windows = ToWindowsPath(host.lexically_normal().string());
    if (!windows)
        return detail::Fail(ERROR_PATH_NOT_FOUND);
    target = *windows;
    return true;
}

} // namespace platform
