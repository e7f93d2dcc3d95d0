// FindFirstFileA / FindNextFileA / FindClose: a folder's entries that match a
// name pattern, read at once and handed out in the order NTFS gives.

#include "platform/Attributes.h"
#include "platform/CaseFolding.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolderCopy.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"
#include "platform/RecentMap.h"
#include "platform/Wildcard.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace platform {

class FindHandleData {
public:
    std::vector<FindData> entries;
    std::size_t next = 0;
};

namespace {

// `st` is the entry's own status; `linkToFolder` says where a link leads.
FindData EntryOf(const std::string& name, const struct stat& st, bool linkToFolder) {
    FindData data;
    data.cFileName = name;
    data.dwFileAttributes = detail::AttributesOf(st, name, linkToFolder);
    if (S_ISREG(st.st_mode))
        data.fileSize = static_cast<uint64_t>(st.st_size);
    data.nFileSizeHigh = static_cast<uint32_t>(data.fileSize >> 32);
    data.nFileSizeLow = static_cast<uint32_t>(data.fileSize & 0xFFFFFFFFu);
    return data;
}

FindData DotEntry(const std::string& name) {
    FindData data;
    data.cFileName = name;
    data.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    return data;
}

// NTFS order: by the upper-case form of the name, equal forms by their bytes.
template <typename Entry, typename NameOf>
void SortLikeNtfs(std::vector<Entry>& entries, const NameOf& nameOf) {
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        keys.emplace_back(FoldCase(nameOf(entries[i])), i);
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return nameOf(entries[a.second]) < nameOf(entries[b.second]);
    });
    std::vector<Entry> sorted;
    sorted.reserve(entries.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(entries[key.second]));
    entries = std::move(sorted);
}

bool IsDots(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// The entries of the open folder `dir` that match, "." and ".." first except
// at a drive's root. Closes `dir`.
void ReadListing(DIR* dir, bool isRoot, const detail::WildcardPattern& pattern,
                 std::vector<FindData>& entries) {
    const int fd = dirfd(dir);
    std::vector<FindData> named;
    while (const dirent* item = readdir(dir)) {
        if (IsDots(item->d_name))
            continue;
        const std::string name = item->d_name;
        if (!pattern.Matches(name))
            continue;
        struct stat st;
        if (fstatat(fd, item->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // gone since the folder was read
        struct stat target;
        const bool linkToFolder =
            S_ISLNK(st.st_mode) && fstatat(fd, item->d_name, &target, 0) == 0 && S_ISDIR(target.st_mode);
        named.push_back(EntryOf(name, st, linkToFolder));
    }
    closedir(dir);
    SortLikeNtfs(named, [](const FindData& entry) -> const std::string& { return entry.cFileName; });
    // A drive's root has no "." and "..", as on NTFS.
    if (!isRoot) {
        for (const char* dots : {".", ".."}) {
            if (pattern.Matches(dots))
                entries.push_back(DotEntry(dots));
        }
    }
    for (FindData& entry : named)
        entries.push_back(std::move(entry));
}

// Opens a folder to list: its exact path first, the search ignoring case only
// when that fails. A folder named by the caller may be reached through a link;
// its entries are still listed without following theirs. nullptr with the
// error recorded.
DIR* OpenFolder(const detail::WindowsPath& path) {
    std::string exact;
    if (!detail::ExactHostPath(path, exact))
        return nullptr;
    if (DIR* dir = opendir(exact.c_str()))
        return dir;
    detail::Resolved folder;
    if (!detail::Resolve(path, folder))
        return nullptr;
    struct stat st;
    if (!folder.exists || stat(folder.host.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        detail::Fail(ERROR_PATH_NOT_FOUND);
        return nullptr;
    }
    DIR* dir = opendir(folder.host.c_str());
    if (!dir)
        detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    return dir;
}

// The names and kinds of recently listed folders, kept while the folder's
// status says nothing was added, removed or renamed in it: a kind cannot change
// without the name going and coming back.
struct KeptEntries {
    detail::FolderStatus status;
    std::vector<FolderEntry> entries;
};

detail::RecentMap<KeptEntries>& KeptListings() {
    static detail::RecentMap<KeptEntries> kept(256);
    return kept;
}

// The names and kinds of the entries of the open folder `dir`, in the order
// FindFirstFileA gives. Closes `dir`.
void ReadEntries(DIR* dir, std::vector<FolderEntry>& entries) {
    const int fd = dirfd(dir);
    while (const dirent* item = readdir(dir)) {
        if (IsDots(item->d_name))
            continue;
        bool isDirectory = item->d_type == DT_DIR;
        bool isLink = item->d_type == DT_LNK;
        if (item->d_type == DT_UNKNOWN) {
            struct stat entry;
            if (fstatat(fd, item->d_name, &entry, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone since the folder was read
            isDirectory = S_ISDIR(entry.st_mode);
            isLink = S_ISLNK(entry.st_mode);
        }
        entries.push_back({item->d_name, isDirectory, isLink});
    }
    closedir(dir);
    SortLikeNtfs(entries, [](const FolderEntry& entry) -> const std::string& { return entry.name; });
}

} // namespace

FindHandle FindFirstFileA(const std::string& pattern, FindData& found) {
    detail::WindowsPath folderPath;
    std::string namePattern;
    uint32_t error = 0;
    if (!detail::ParseWindowsPattern(pattern, detail::State().currentDirectory, folderPath, namePattern,
                                     error)) {
        detail::Fail(error);
        return nullptr;
    }
    DIR* dir = OpenFolder(folderPath);
    if (!dir)
        return nullptr;
    auto handle = std::make_shared<FindHandleData>();
    ReadListing(dir, folderPath.IsRoot(), detail::WildcardPattern(namePattern), handle->entries);
    if (handle->entries.empty()) {
        detail::Fail(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    found = handle->entries[0];
    handle->next = 1;
    return handle;
}

bool ListFolderEntries(const std::string& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    detail::WindowsPath path;
    if (!detail::ParsePath(folder, path))
        return false;
    std::string host;
    if (!detail::ExactHostPath(path, host))
        return false;
    struct stat st;
    if (stat(host.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        detail::Resolved resolved;
        if (!detail::Resolve(path, resolved))
            return false;
        host = resolved.host;
        if (!resolved.exists || stat(host.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            return detail::Fail(ERROR_PATH_NOT_FOUND);
    }
    // A folder that may be listed but not entered names entries of which
    // none could be opened, copied or walked: it counts as unreadable.
    if (faccessat(AT_FDCWD, host.c_str(), X_OK, AT_EACCESS) != 0)
        return detail::FailWithErrno(errno, ERROR_ACCESS_DENIED);
    const detail::FolderStatus status = detail::FolderStatus::Of(st);
    auto& kept = KeptListings();
    if (KeptEntries* known = kept.Find(host); known && known->status == status) {
        entries = known->entries;
        return true;
    }
    // The status was taken before reading: a change made while reading shows
    // as a different status next time.
    DIR* dir = opendir(host.c_str());
    if (!dir) {
        kept.Erase(host);
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    }
    ReadEntries(dir, entries);
    kept.Put(host, {status, entries});
    return true;
}

bool ListHeldFolder(const HeldFolder& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    if (!folder.IsHeld())
        return detail::Fail(ERROR_PATH_NOT_FOUND);
    // A descriptor of its own: reading moves the position of the one read.
    const int fd = openat(folder.Descriptor(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd < 0 ? nullptr : fdopendir(fd);
    if (!dir) {
        if (fd >= 0)
            close(fd);
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    }
    ReadEntries(dir, entries);
    return true;
}

bool FindNextFileA(const FindHandle& handle, FindData& found) {
    if (!handle)
        return detail::Fail(ERROR_INVALID_PARAMETER);
    if (handle->next >= handle->entries.size())
        return detail::Fail(ERROR_NO_MORE_FILES);
    found = handle->entries[handle->next++];
    return true;
}

bool FindClose(const FindHandle& handle) {
    if (!handle)
        return detail::Fail(ERROR_INVALID_PARAMETER);
    handle->entries.clear();
    handle->next = 0;
    return true;
}

} // namespace platform
