#include "platform/EntryDetails.h"

#include "platform/CaseFolding.h"
#include "platform/Drives.h"
#include "platform/MountOf.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"
#include "platform/RemovalRights.h"
#include "platform/StatxDetails.h"
#include "platform/StatxIdentity.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace platform {

namespace detail {

EntryDetails DetailsOf(const std::string& name, const struct statx& st, int at, const char* path, int flags,
                       bool linkToFolder) {
    EntryDetails details;
    details.name = name;
    details.identity = detail::IdentityOf(at, path, flags, st);
    details.mount = detail::MountOf(st);
    details.mountRoot = detail::IsMountRoot(st);
    details.modifiedSeconds = st.stx_mtime.tv_sec;
    details.modifiedNanoseconds = st.stx_mtime.tv_nsec;
    if (st.stx_mask & STATX_CTIME) {
        details.changedSeconds = st.stx_ctime.tv_sec;
        details.changedNanoseconds = st.stx_ctime.tv_nsec;
    }
    if (S_ISLNK(st.stx_mode)) {
        details.kind = EntryKind::Link;
        details.linkToFolder = linkToFolder;
    } else if (S_ISDIR(st.stx_mode)) {
        details.kind = EntryKind::Folder;
    } else {
        details.kind = EntryKind::File;
        if (S_ISREG(st.stx_mode))
            details.size = st.stx_size;
    }
    return details;
}

} // namespace detail

namespace {

// The entry itself (a link is not followed), relative to `folder` (a
// descriptor, or AT_FDCWD for a whole path).
bool StatEntry(int folder, const char* name, struct statx& st) {
    return statx(folder, name, AT_SYMLINK_NOFOLLOW, detail::DetailsStatxMask, &st) == 0;
}

bool TargetIsFolder(int folder, const char* name) {
    struct stat target;
    return fstatat(folder, name, &target, 0) == 0 && S_ISDIR(target.st_mode);
}

// What an entry listed in a folder may be kind of when it cannot be read:
// the kind the folder's listing gives.
EntryKind KindOfListed(unsigned char type) {
    switch (type) {
    case DT_DIR:
        return EntryKind::Folder;
    case DT_LNK:
        return EntryKind::Link;
    default:
        return EntryKind::File;
    }
}

bool IsDots(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// The identity of what the host path leads to, links followed.
std::optional<EntryIdentity> FollowedIdentity(const std::string& host) {
    struct statx st;
    if (statx(AT_FDCWD, host.c_str(), 0, detail::IdentityStatxMask, &st) != 0)
        return std::nullopt;
    return detail::IdentityOf(AT_FDCWD, host.c_str(), 0, st);
}

} // namespace

EntryDetails GetEntryDetails(const std::string& path) {
    detail::WindowsPath parsed;
    if (!detail::ParsePath(path, parsed))
        return {};
    // An entry there under its exact name is read in one call; only a miss
    // costs the look-up ignoring case, and what it does not find is not read.
    std::string host;
    struct statx st;
    if (parsed.IsRoot() || !detail::ExactHostPath(parsed, host) || !StatEntry(AT_FDCWD, host.c_str(), st)) {
        detail::Resolved resolved;
        if (!detail::Resolve(parsed, resolved,
                             parsed.IsRoot() ? detail::Expect::Existing : detail::Expect::New) ||
            !resolved.exists)
            return {};
        host = std::move(resolved.host);
        if (!StatEntry(AT_FDCWD, host.c_str(), st))
            return {};
    }
    const bool linkToFolder = S_ISLNK(st.stx_mode) && TargetIsFolder(AT_FDCWD, host.c_str());
    const std::size_t slash = host.find_last_of('/');
    return detail::DetailsOf(slash == std::string::npos ? host : host.substr(slash + 1), st, AT_FDCWD,
                             host.c_str(), AT_SYMLINK_NOFOLLOW, linkToFolder);
}

bool ListEntryDetails(const std::string& folder, std::vector<EntryDetails>& entries,
                      const std::function<void()>& afterEach) {
    entries.clear();
    std::optional<std::string> host = ToHostPath(folder);
    if (!host)
        return false;
    DIR* dir = opendir(host->c_str());
    if (!dir)
        return false;
    const int fd = dirfd(dir);
    const detail::RemovalRights rights = detail::RemovalRightsIn(fd);
    struct statx folderStatus {};
    statx(fd, "", AT_EMPTY_PATH, detail::DetailsStatxMask, &folderStatus);
    while (const dirent* item = readdir(dir)) {
        if (IsDots(item->d_name))
            continue;
        struct statx st;
        if (!StatEntry(fd, item->d_name, st)) {
            if (errno != EACCES)
                continue; // gone since the folder was read
            // A folder that may be read but not entered names its entries
            // and no more: they are there, and nobody here can remove them.
            EntryDetails unseen;
            unseen.name = item->d_name;
            unseen.kind = KindOfListed(item->d_type);
            unseen.identity.device = makedev(folderStatus.stx_dev_major, folderStatus.stx_dev_minor);
            unseen.mount = detail::MountOf(folderStatus);
            unseen.identity.inode = item->d_ino;
            unseen.removable = false;
            unseen.unreadable = true;
            entries.push_back(std::move(unseen));
        } else {
            const bool linkToFolder = S_ISLNK(st.stx_mode) && TargetIsFolder(fd, item->d_name);
            entries.push_back(
                detail::DetailsOf(item->d_name, st, fd, item->d_name, AT_SYMLINK_NOFOLLOW, linkToFolder));
            entries.back().removable = rights.Allow(st);
        }
        if (afterEach)
            afterEach();
    }
    closedir(dir);
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        keys.emplace_back(FoldCase(entries[i].name), i);
        if (afterEach)
            afterEach();
    }
    // Ordering 200,000 names takes as long as a few frames: the caller is
    // called back every few hundred comparisons too.
    std::size_t comparisons = 0;
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (afterEach && ++comparisons % 256 == 0)
            afterEach();
        if (a.first != b.first)
            return a.first < b.first;
        return entries[a.second].name < entries[b.second].name;
    });
    std::vector<EntryDetails> sorted;
    sorted.reserve(entries.size());
    for (const auto& key : keys) {
        sorted.push_back(std::move(entries[key.second]));
        if (afterEach)
            afterEach();
    }
    entries = std::move(sorted);
    return true;
}

bool FolderIsOrHolds(const std::string& folder, const std::string& other) {
    std::optional<std::string> folderHost = ToHostPath(folder);
    std::optional<std::string> otherHost = ToHostPath(other);
    if (!folderHost || !otherHost)
        return false;
    const auto folderIdentity = FollowedIdentity(*folderHost);
    if (!folderIdentity)
        return false;
    char* resolved = realpath(otherHost->c_str(), nullptr);
    if (!resolved)
        return false;
    std::string path = resolved;
    free(resolved);
    // Up from the resolved path, which holds no link any more, to the root.
    for (;;) {
        if (FollowedIdentity(path) == folderIdentity)
            return true;
        if (path == "/" || path.empty())
            return false;
        const std::size_t slash = path.find_last_of('/');
        path = slash == 0 ? "/" : path.substr(0, slash);
    }
}

} // namespace platform
