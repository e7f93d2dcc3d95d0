#include "platform/FolderNameCache.h"

#include "platform/CaseFolding.h"

#include <dirent.h>

#include <algorithm>

namespace platform::detail {

namespace {

// A few hundred folders are plenty for one run; past that the oldest state
// is not worth the memory.
constexpr std::size_t MaxFolders = 256;

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

const std::string* FolderNames::Find(const std::string& name) const {
    auto found = byFolded_.find(FoldCase(name));
    if (found == byFolded_.end() || found->second.empty())
        return nullptr;
    const std::vector<std::string>& names = found->second;
    if (names.size() > 1) {
        auto exact = std::lower_bound(names.begin(), names.end(), name);
        if (exact != names.end() && *exact == name)
            return &*exact;
    }
    return &names.front();
}

void FolderNames::Add(const std::string& name) {
    std::vector<std::string>& names = byFolded_[FoldCase(name)];
    auto at = std::lower_bound(names.begin(), names.end(), name);
    if (at != names.end() && *at == name)
        return;
    names.insert(at, name);
    ++count_;
}

void FolderNames::Remove(const std::string& name) {
    auto found = byFolded_.find(FoldCase(name));
    if (found == byFolded_.end())
        return;
    std::vector<std::string>& names = found->second;
    auto at = std::lower_bound(names.begin(), names.end(), name);
    if (at == names.end() || *at != name)
        return;
    names.erase(at);
    --count_;
    if (names.empty())
        byFolded_.erase(found);
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

bool FolderStatus::operator==(const FolderStatus& other) const {
    return device == other.device && inode == other.inode && SameTime(modified, other.modified) &&
           SameTime(changed, other.changed) && size == other.size && links == other.links;
}

const FolderNames* FolderNameCache::GetIfCurrent(const std::string& folder, const struct stat& st) {
    auto found = folders_.find(folder);
    if (found == folders_.end())
        return nullptr;
    if (!(found->second.status == FolderStatus::Of(st))) {
        folders_.erase(found);
        return nullptr;
    }
    return &found->second.names;
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
    if (folders_.size() >= MaxFolders)
        folders_.clear();
    return &(folders_[folder] = std::move(entry)).names;
}

void FolderNameCache::Refresh(const std::string& folder, Entry& entry) {
    struct stat st;
    if (stat(folder.c_str(), &st) != 0)
        folders_.erase(folder);
    else
        entry.status = FolderStatus::Of(st);
}

void FolderNameCache::Added(const std::string& folder, const std::string& name, bool wasCurrent) {
    auto found = folders_.find(folder);
    if (found == folders_.end())
        return;
    if (!wasCurrent) {
        folders_.erase(found);
        return;
    }
    found->second.names.Add(name);
    Refresh(folder, found->second);
}

void FolderNameCache::Removed(const std::string& folder, const std::string& name, bool wasCurrent) {
    auto found = folders_.find(folder);
    if (found == folders_.end())
        return;
    if (!wasCurrent) {
        folders_.erase(found);
        return;
    }
    found->second.names.Remove(name);
    Refresh(folder, found->second);
}

void FolderNameCache::Forget(const std::string& folder) {
    const std::string below = folder == "/" ? folder : folder + "/";
    for (auto it = folders_.begin(); it != folders_.end();) {
        if (it->first == folder || it->first.compare(0, below.size(), below) == 0)
            it = folders_.erase(it);
        else
            ++it;
    }
}

} // namespace platform::detail
