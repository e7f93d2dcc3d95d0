#include "platform/FolderNameCache.h"

#include "platform/CaseFolding.h"

#include <dirent.h>
#include <sys/sysmacros.h>

namespace platform::detail {

namespace {

// A list of full paths may create its folders in a thousand parents, one
// after the other and round again: each parent's names must still be kept
// when its turn comes back, or every folder created reads its parent anew.
// Past a few thousand folders the one used longest ago is not worth the memory.
constexpr std::size_t MaxFolders = 4096;

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

const std::string* FolderNames::Find(const std::string& name) const {
    const auto [first, last] = byFolded_.equal_range(FoldCase(name));
    const std::string* found = nullptr;
    for (auto it = first; it != last; ++it) {
        if (it->second == name)
            return &it->second;
        if (!found || it->second < *found)
            found = &it->second;
    }
    return found;
}

void FolderNames::Add(const std::string& name) {
    std::string key = FoldCase(name);
    const auto [first, last] = byFolded_.equal_range(key);
    for (auto it = first; it != last; ++it) {
        if (it->second == name)
            return;
    }
    byFolded_.emplace(std::move(key), name);
}

void FolderNames::Remove(const std::string& name) {
    const auto [first, last] = byFolded_.equal_range(FoldCase(name));
    for (auto it = first; it != last; ++it) {
        if (it->second == name) {
            byFolded_.erase(it);
            return;
        }
    }
}

FolderStatus FolderStatus::Of(const struct stat& st) {
    FolderStatus status;
    status.device = st.st_dev;
    status.inode = st.st_ino;
    status.modified = st.st_mtim;
    status.changed = st.st_ctim;
    status.size = st.st_size;
    status.links = st.st_nlink;
    return status;
}

FolderStatus FolderStatus::Of(const struct statx& st) {
    FolderStatus status;
    status.device = makedev(st.stx_dev_major, st.stx_dev_minor);
    status.inode = st.stx_ino;
    status.modified = {static_cast<time_t>(st.stx_mtime.tv_sec), static_cast<long>(st.stx_mtime.tv_nsec)};
    status.changed = {static_cast<time_t>(st.stx_ctime.tv_sec), static_cast<long>(st.stx_ctime.tv_nsec)};
    status.size = static_cast<off_t>(st.stx_size);
    status.links = st.stx_nlink;
    return status;
}

bool FolderStatus::operator==(const FolderStatus& other) const {
    return device == other.device && inode == other.inode && SameTime(modified, other.modified) &&
           SameTime(changed, other.changed) && size == other.size && links == other.links;
}

FolderNameCache::FolderNameCache() : folders_(MaxFolders) {}

const FolderNames* FolderNameCache::Peek(const std::string& folder, const FolderStatus*& status) {
    Entry* found = folders_.Find(folder);
    if (!found)
        return nullptr;
    status = &found->status;
    return &found->names;
}

const FolderNames* FolderNameCache::GetIfCurrent(const std::string& folder, const struct stat& st) {
    Entry* found = folders_.Find(folder);
    if (!found)
        return nullptr;
    if (!(found->status == FolderStatus::Of(st))) {
        folders_.Erase(folder);
        return nullptr;
    }
    return &found->names;
}

const FolderNames* FolderNameCache::Get(const std::string& folder, const struct stat& st) {
    if (const FolderNames* current = GetIfCurrent(folder, st))
        return current;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return nullptr;
    Entry entry;
    // The status was taken before reading: a change made while reading shows
    // as a different status next time.
    entry.status = FolderStatus::Of(st);
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name != "." && name != "..")
            entry.names.Add(name);
    }
    closedir(dir);
    return &folders_.Put(folder, std::move(entry)).names;
}

void FolderNameCache::Refresh(const std::string& folder, Entry& entry) {
    // The status taken right after the change is what tells a later change by
    // someone else from this one.
    struct stat st;
    if (stat(folder.c_str(), &st) != 0)
        folders_.Erase(folder);
    else
        entry.status = FolderStatus::Of(st);
}

void FolderNameCache::Added(const std::string& folder, const std::string& name, bool wasCurrent) {
    Entry* found = folders_.Find(folder);
    if (!found)
        return;
    if (!wasCurrent) {
        folders_.Erase(folder);
        return;
    }
    found->names.Add(name);
    Refresh(folder, *found);
}

void FolderNameCache::Added(const std::string& folder, const std::string& name, bool wasCurrent,
                            const FolderStatus& now) {
    Entry* found = folders_.Find(folder);
    if (!found)
        return;
    if (!wasCurrent) {
        folders_.Erase(folder);
        return;
    }
    found->names.Add(name);
    found->status = now;
}

void FolderNameCache::Removed(const std::string& folder, const std::string& name, bool wasCurrent) {
    Entry* found = folders_.Find(folder);
    if (!found)
        return;
    if (!wasCurrent) {
        folders_.Erase(folder);
        return;
    }
    found->names.Remove(name);
    Refresh(folder, *found);
}

void FolderNameCache::Follow(const std::string& folder, const std::string& name, bool present) {
    Entry* found = folders_.Find(folder);
    if (!found)
        return;
    if (present)
        found->names.Add(name);
    else
        found->names.Remove(name);
}

void FolderNameCache::Created(const std::string& folder, const FolderStatus& status) {
    Entry entry;
    entry.status = status;
    folders_.Put(folder, std::move(entry));
}

void FolderNameCache::Forget(const std::string& folder) {
    folders_.EraseSubtree(folder);
}

} // namespace platform::detail
