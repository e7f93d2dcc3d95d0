#pragma once
// Internal to the platform layer: the names of recently searched folders,
// keyed by their upper-case forms, so that looking a name up ignoring case
// does not read the whole folder again for every call. A folder's copy is kept
// only while its status (modification and change times, size, link count) is
// the one it had when read or when this layer last changed it itself. Where the
// host keeps coarse times, a change by someone else within the same clock tick
// as the layer's own can go unseen; exact names never depend on the copy, only
// other cases of them do.

#include "platform/RecentMap.h"

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace platform::detail {

// The names of one folder. A run asks for a name in a folder of a hundred
// thousand at every entry it makes, and mostly for one that is not there:
// the slots hold a part of each name's hash beside its place, so that such a
// look-up reads one line of memory and no name at all.
// A name's upper-case form and its hash: taken once for a look-up and for
// the addition of the name that follows it when it was missing.
struct NameKey {
    std::string folded;
    std::size_t hash = 0;

    static NameKey Of(const std::string& name);
    bool Taken() const { return !folded.empty(); }
};

class FolderNames {
public:
    // The name on disk that `name` stands for: itself when present, else the
    // first one equal ignoring case; nullptr when there is none. Valid until
    // the next change. `key` is NameKey::Of(name).
    const std::string* Find(const std::string& name) const { return Find(name, NameKey::Of(name)); }
    const std::string* Find(const std::string& name, const NameKey& key) const;
    void Add(const std::string& name) { Add(name, NameKey::Of(name)); }
    void Add(const std::string& name, const NameKey& key);
    void Remove(const std::string& name) { Remove(name, NameKey::Of(name)); }
    // `key` is the key of `name` or of any other case of it.
    void Remove(const std::string& name, const NameKey& key);
    std::size_t Size() const { return names_.size(); }
    // Asks for the memory a look-up of `key` reads first, so that other work
    // done before the look-up hides its wait.
    void Prefetch(const NameKey& key) const;

private:
    struct Name {
        std::size_t hash = 0; // of the upper-case form
        std::string folded;   // the upper-case form
        std::string name;     // as on disk
    };
    // A slot is empty (place 0), a removed name's (Removed), or holds the
    // place of a name plus one and the high half of its hash.
    struct Slot {
        uint32_t tag = 0;
        uint32_t place = 0;
    };
    static constexpr uint32_t Removed = UINT32_MAX;

    static uint32_t TagOf(std::size_t hash) { return static_cast<uint32_t>(hash >> 32) | 1u; }
    // The slot that holds `place`; its name is in the table.
    std::size_t SlotOf(uint32_t place) const;
    void Grow();

    // Host folders may hold "abc" and "ABC" side by side: several names may
    // share one upper-case form, each in a slot of its own.
    std::vector<Name> names_;
    std::vector<Slot> slots_; // a power of two of them, or none
    std::size_t removedSlots_ = 0;
};

struct WatchedFolder;

// What a folder's kept names know of its watch (FolderWatches): the record
// the watches keep of it, good while they have not all ended since `round`.
// A run looks its parent up here at every entry it makes; the watch is
// then found without a second look-up of the folder's path.
struct WatchMark {
    const WatchedFolder* folder = nullptr;
    uint64_t round = 0;
};

// What tells that a folder has changed since its names were read.
struct FolderStatus {
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    timespec changed{};
    off_t size = 0;
    nlink_t links = 0;

    static FolderStatus Of(const struct stat& st);
    static FolderStatus Of(const struct statx& st);
    bool operator==(const FolderStatus& other) const;
};

class FolderNameCache {
public:
    FolderNameCache();

    // True when a copy of `folder` is kept (it may be out of date).
    bool Holds(const std::string& folder) const { return folders_.Contains(folder); }

    // The kept copy of `folder` and the status it goes with, whether up to
    // date or not; nullptr when none is kept. Valid until the next change of
    // the cache.
    const FolderNames* Peek(const std::string& folder, const FolderStatus*& status);
    // The same, with what the copy knows of the folder's watch.
    const FolderNames* Peek(const std::string& folder, const FolderStatus*& status, WatchMark& watch);
    // Notes the watch of `folder` on its kept copy, if one is kept. A copy
    // read or made anew knows of no watch.
    void MarkWatched(const std::string& folder, const WatchMark& watch);
    // Drops the copy of `folder` alone.
    void Drop(const std::string& folder) { folders_.Erase(folder); }

    // The names of `folder`, whose current status is `st`: the kept copy when
    // it is up to date, else read again. nullptr when the folder cannot be read.
    const FolderNames* Get(const std::string& folder, const struct stat& st);

    // The kept copy when it is up to date with `st`; nullptr (and the copy is
    // dropped) otherwise. Never reads the folder.
    const FolderNames* GetIfCurrent(const std::string& folder, const struct stat& st);

    // Records a change this layer made itself in `folder`. `wasCurrent` says
    // the kept copy was found up to date just before the change; otherwise
    // someone else may have changed the folder too, and the copy is dropped.
    void Added(const std::string& folder, const std::string& name, bool wasCurrent);
    void Removed(const std::string& folder, const std::string& name, bool wasCurrent);
    // The same, with the folder's status `now` taken right after the change
    // by the caller.
    void Added(const std::string& folder, const std::string& name, bool wasCurrent, const FolderStatus& now,
               const NameKey* key = nullptr);

    // Brings a change a watch reported (FolderWatches) into the kept copy of
    // `folder`, if one is kept: `name` is now there or gone. The status is
    // left as it is; while the watch lasts it, not the status, keeps the
    // copy current.
    // `key` (when given) is NameKey::Of(name).
    void Follow(const std::string& folder, const std::string& name, bool present,
                const NameKey* key = nullptr);

    // This layer has renamed `from` (whose key, or that of another case of
    // it, is `fromKey`) to `to` in the watched `folder`: the kept copy
    // follows at once, so that the next look need not wait for the watch's
    // report.
    void FollowRename(const std::string& folder, const std::string& from, const NameKey& fromKey,
                      const std::string& to, const NameKey& toKey);

    // Records a folder this layer has just created, empty, whose status is
    // `status`: the first name looked up in it need not read it.
    void Created(const std::string& folder, const FolderStatus& status);

    // Drops the copies of `folder` and of every folder below it.
    void Forget(const std::string& folder);
    void Clear() { folders_.Clear(); }

private:
    struct Entry {
        FolderStatus status;
        FolderNames names;
        WatchMark watch;
    };
    void Refresh(const std::string& folder, Entry& entry);

    RecentMap<Entry> folders_;
};

} // namespace platform::detail
