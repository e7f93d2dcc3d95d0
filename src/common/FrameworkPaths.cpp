#include "common/FrameworkPaths.h"

namespace {

bool IsDelimiter(char c) {
    return c == '\\' || c == ':';
}

// Where the last character `is` holds for lies; npos when there is none.
// Every path of a run is taken apart here: a plain loop, not a search of a
// set of characters for each character of the path.
template <typename Is> std::size_t LastWhere(const std::string& path, Is is) {
    for (std::size_t at = path.size(); at-- > 0;) {
        if (is(path[at]))
            return at;
    }
    return std::string::npos;
}

} // namespace

bool HasFileDrive(std::string_view path) {
    return path.size() >= 2 && (path[1] == ':' || (path[0] == '\\' && path[1] == '\\'));
}

std::string ExtractFileDrive(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':')
        return path.substr(0, 2);
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        // \\server\share: up to the backslash that ends the share name.
        std::size_t serverEnd = path.find('\\', 2);
        std::size_t shareEnd =
            serverEnd == std::string::npos ? std::string::npos : path.find('\\', serverEnd + 1);
        if (shareEnd != std::string::npos)
            return path.substr(0, shareEnd);
        std::string drive = path;
        if (drive.size() > 2 && drive.back() == '\\')
            drive.pop_back();
        return drive;
    }
    return {};
}

std::size_t FileNameStart(const std::string& path) {
    const std::size_t last = LastWhere(path, IsDelimiter);
    return last == std::string::npos ? 0 : last + 1;
}

std::string ExtractFileName(const std::string& path) {
    return path.substr(FileNameStart(path));
}

std::size_t FileDirLength(const std::string& path) {
    const std::size_t last = LastWhere(path, IsDelimiter);
    if (last == std::string::npos)
        return 0;
    // Keep the colon of C:abc, and the backslash of a root (C:\abc, \abc).
    if (last > 0 && path[last] == '\\' && !IsDelimiter(path[last - 1]))
        return last;
    return last + 1;
}

std::string ExtractFileDir(const std::string& path) {
    return path.substr(0, FileDirLength(path));
}

std::string ExtractFileExt(const std::string& path) {
    const std::size_t last = LastWhere(path, [](char c) { return c == '.' || IsDelimiter(c); });
    if (last == std::string::npos || path[last] != '.')
        return {};
    return path.substr(last);
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    if (!path.empty() && path.back() == '\\')
        return path;
    return path + '\\';
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
    if (!path.empty() && path.back() == '\\')
        return path.substr(0, path.size() - 1);
    return path;
}
