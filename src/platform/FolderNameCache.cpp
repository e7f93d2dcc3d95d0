#include "platform/FolderNameCache.h"

#include "platform/CaseFolding.h"

#include <dirent.h>
#include <sys/sysmacros.h>

#include <functional>

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

NameKey NameKey::Of(const std::string& name) {
    NameKey key;
    key.folded = FoldCase(name);
    key.hash = std::hash<std::string>{}(key.folded);
    return key;
}

void FolderNames::Prefetch(const NameKey& key) const {
    if (!slots_.empty())
        __builtin_prefetch(&slots_[key.hash & (slots_.size() - 1)]);
}

const std::string* FolderNames::Find(const std::string& name, const NameKey& key) const {
    if (names_.empty())
        return nullptr;
    const std::string& folded = key.folded;
    const std::size_t hash = key.hash;
    const uint32_t tag = TagOf(hash);
    const std::size_t mask = slots_.size() - 1;
    const std::string* found = nullptr;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.place == 0)
            return found;
        if (slot.place == Removed || slot.tag != tag)
            continue;
        const Name& candidate = names_[slot.place - 1];
        if (candidate.folded != folded)
            continue;
        if (candidate.name == name)
            return &candidate.name;
        if (!found || candidate.name < *found)
            found = &candidate.name;
    }
}

void FolderNames::Grow() {
    // No removed slots left on the way, and room for half as many names
    // again before half the slots are taken: a folder whose names are
    // renamed one by one, each leaving a removed slot, has its slots made
    // anew once for every half of its names renamed, not every few renames.
    std::size_t size = 16;
    while (size < 3 * (names_.size() + 1))
        size *= 2;
    slots_.assign(size, Slot{});
    removedSlots_ = 0;
    const std::size_t mask = size - 1;
    for (std::size_t place = 0; place < names_.size(); ++place) {
        std::size_t at = names_[place].hash & mask;
        while (slots_[at].place != 0)
            at = (at + 1) & mask;
        slots_[at] = Slot{TagOf(names_[place].hash), static_cast<uint32_t>(place + 1)};
    }
}

void FolderNames::Add(const std::string& name, const NameKey& key) {
    const std::size_t hash = key.hash;
    const uint32_t tag = TagOf(hash);
    if (!slots_.empty()) {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask; slots_[at].place != 0; at = (at + 1) & mask) {
            const Slot& slot = slots_[at];
            if (slot.place != Removed && slot.tag == tag && names_[slot.place - 1].name == name)
                return;
        }
    }
    // At most half the slots hold names or removed ones, so that a probe for
    // a missing name soon meets an empty slot.
    if (2 * (names_.size() + removedSlots_ + 1) > slots_.size())
        Grow();
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    while (slots_[at].place != 0 && slots_[at].place != Removed)
        at = (at + 1) & mask;
    if (slots_[at].place == Removed)
        --removedSlots_;
    names_.push_back(Name{hash, key.folded, name});
    slots_[at] = Slot{tag, static_cast<uint32_t>(names_.size())};
}

std::size_t FolderNames::SlotOf(uint32_t place) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = names_[place - 1].hash & mask;
    while (slots_[at].place != place)
        at = (at + 1) & mask;
    return at;
}

void FolderNames::Remove(const std::string& name, const NameKey& key) {
    if (names_.empty())
        return;
    const std::size_t hash = key.hash;
    const uint32_t tag = TagOf(hash);
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    for (;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.place == 0)
            return;
        if (slot.place != Removed && slot.tag == tag && names_[slot.place - 1].name == name)
            break;
    }
    const uint32_t place = slots_[at].place;
    slots_[at].place = Removed;
    ++removedSlots_;
    // The last name takes the removed one's place, so that the names stay
    // side by side.
    const auto last = static_cast<uint32_t>(names_.size());
    if (place != last) {
        slots_[SlotOf(last)].place = place;
        names_[place - 1] = std::move(names_.back());
    }
    names_.pop_back();
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
    WatchMark unused;
    return Peek(folder, status, unused);
}

const FolderNames* FolderNameCache::Peek(const std::string& folder, const FolderStatus*& status,
                                         WatchMark& watch) {
    Entry* found = folders_.Find(folder);
    if (!found)
        return nullptr;
    status = &found->status;
    watch = found->watch;
    return &found->names;
}

void FolderNameCache::MarkWatched(const std::string& folder, const WatchMark& watch) {
    if (Entry* found = folders_.Find(folder))
        found->watch = watch;
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
                            const FolderStatus& now, const NameKey* key) {
    Entry* found = folders_.Find(folder);
    if (!found)
        return;
    if (!wasCurrent) {
        folders_.Erase(folder);
        return;
    }
    if (key)
        found->names.Add(name, *key);
    else
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

void FolderNameCache::Follow(const std::string& folder, const std::string& name, bool present,
                             const NameKey* key) {
    Entry* found = folders_.Find(folder);
    if (!found)
        return;
    if (present && key)
        found->names.Add(name, *key);
    else if (present)
        found->names.Add(name);
    else
        found->names.Remove(name);
}

void FolderNameCache::FollowRename(const std::string& folder, const std::string& from, const NameKey& fromKey,
                                   const std::string& to, const NameKey& toKey) {
    Entry* found = folders_.Find(folder);
    if (!found)
        return;
    found->names.Remove(from, fromKey);
    found->names.Add(to, toKey);
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
