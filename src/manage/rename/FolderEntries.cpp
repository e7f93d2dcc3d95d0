#include "manage/rename/FolderEntries.h"

#include "common/FrameworkPaths.h"
#include "common/PathNormalising.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"

#include <sys/stat.h>

namespace {

// The entry itself, a link not followed.
std::optional<struct stat> EntryStat(const std::string& path) {
    const std::optional<std::string> host = platform::ToHostPath(path);
    if (!host)
        return std::nullopt;
    std::string entry = *host;
    while (entry.size() > 1 && entry.back() == '/')
        entry.pop_back();
    struct stat st {};
    if (::lstat(entry.c_str(), &st) != 0)
        return std::nullopt;
    return st;
}

} // namespace

EntryKind KindOfEntry(const std::string& path) {
    if (platform::GetFileAttributesA(path) == platform::INVALID_FILE_ATTRIBUTES)
        return EntryKind::Missing;
    const std::optional<struct stat> st = EntryStat(path);
    if (!st)
        return EntryKind::Missing;
    if (S_ISDIR(st->st_mode))
        return EntryKind::Folder;
    if (S_ISLNK(st->st_mode)) {
        const std::optional<std::string> host = platform::ToHostPath(path);
        struct stat target {};
        if (host && ::stat(host->c_str(), &target) == 0 && S_ISDIR(target.st_mode))
            return EntryKind::FolderLink;
    }
    return EntryKind::Other;
}

bool ReachedThroughLink(const std::string& path) {
    std::string folder = ExcludeTrailingPathDelimiter(SlashesToBackslashes(path));
    for (;;) {
        const std::string parent = ExtractFileDir(folder);
        // Up to the drive's root, which is where the drive leads.
        if (parent.empty() || parent == folder || ExcludeTrailingPathDelimiter(parent).size() <= 2)
            return false;
        const std::optional<struct stat> st = EntryStat(parent);
        if (st && S_ISLNK(st->st_mode))
            return true;
        folder = ExcludeTrailingPathDelimiter(parent);
    }
}

std::optional<EntryIdentity> IdentityOf(const std::string& path) {
    const std::optional<struct stat> st = EntryStat(path);
    if (!st)
        return std::nullopt;
    return EntryIdentity{static_cast<uint64_t>(st->st_dev), static_cast<uint64_t>(st->st_ino)};
}

std::string NameOnDisk(const std::string& path) {
    const std::optional<std::string> host = platform::ToHostPath(path);
    if (!host || !EntryStat(path))
        return {};
    std::string entry = *host;
    while (entry.size() > 1 && entry.back() == '/')
        entry.pop_back();
    const size_t slash = entry.rfind('/');
    return slash == std::string::npos ? entry : entry.substr(slash + 1);
}
