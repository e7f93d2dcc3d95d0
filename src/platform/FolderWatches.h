#pragma once
// Internal to the platform layer: knowing that the kept names of a folder a
// run creates in are still right, and that its path still leads to it,
// without asking the disk before every entry. Asking costs a stat of the
// folder's whole path per entry, about as much as making the entry.
//
// The kernel tells instead (inotify): a watched folder reports every name
// made, removed or moved in it, and each of these changes is applied to its
// kept names, whoever made it; so the names stay those on disk. Each folder
// above it, up to the host's root, is watched too: a folder on the way that
// is removed, moved, replaced or has its permissions changed ends every
// watch, and the names are read again the long way. One read of the queue,
// which does not wait, brings everything that happened since the last one.
//
// A folder is watched only when each folder of its path is a folder, not a
// link (a link changed elsewhere would lead the path to another folder
// without a word), and its kept names were found up to date after the watch
// began, so that nothing between the reading and the watch goes unseen.
// Mounting a file system over a folder of the path is not reported; only
// the administrator can, and a run does not expect it.

#include "platform/FolderNameCache.h"

#include <sys/types.h>

#include <cstddef>
#include <deque>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace platform::detail {

// A folder whose names follow its events: the file system and inode the
// watch began on, and the watch.
struct WatchedFolder {
    dev_t device = 0;
    ino_t inode = 0;
    int wd = -1;
};

class FolderWatches {
public:
    FolderWatches() = default;
    FolderWatches(const FolderWatches&) = delete;
    FolderWatches& operator=(const FolderWatches&) = delete;
    ~FolderWatches();

    // Brings what has happened since the last call into `names`: the names
    // made and removed in watched folders are applied to their kept names; a
    // change on the way to a watched folder (or a queue that overflowed)
    // ends every watch and drops the kept names of the watched folders.
    // Then true when `folder` is watched: its kept names in `names` are
    // those on disk and its path leads to the folder whose file system and
    // inode `Watch` was given. Nothing is read when no folder is watched.
    bool Current(const std::string& folder, FolderNameCache& names, dev_t& device, ino_t& inode);
    // The same, where `mark` is what the kept names of `folder` knew of its
    // watch just before: while no watch has ended since, it is the watch.
    bool Current(const std::string& folder, FolderNameCache& names, const WatchMark& mark, dev_t& device,
                 ino_t& inode);
    // The same, but where nothing has read the queue since this layer's own
    // rename told of by RenamedRightAfterReading, the queue is not read again:
    // the names are as they stood at that reading, with the rename in them.
    // Whatever another program did since is seen by the reading just before
    // the next rename, as if it had been done after this call.
    bool CurrentAsOfOwnRename(const std::string& folder, FolderNameCache& names, dev_t& device, ino_t& inode);
    // This layer has renamed `from` to `to` in the watched `folder` right
    // after it read the queue, and put the change in the folder's kept names
    // itself: the queue's report of it is passed over, as `Made`'s is.
    void RenamedRightAfterReading(const std::string& folder, const std::string& from, const std::string& to);

    // True while no watch has ended since `mark` was given: the folder it
    // names is still watched, and its kept names are where they were.
    bool InRound(const WatchMark& mark) const { return mark.folder && mark.round == round_; }

    // Starts watching `folder`, a folder (not a link) whose kept names in
    // `names` were found up to date with `status` just now. Does nothing
    // when a folder of its path is a link or cannot be watched, or when its
    // status differs from `status` once the watch is on.
    void Watch(const std::string& folder, const FolderStatus& status, FolderNameCache& names);

    // Whether `folder` was refused a watch (a link or an unwatchable folder
    // on its way) since every watch last ended.
    bool Refused(const std::string& folder) const { return refused_.count(folder) > 0; }

    // This layer has just made `name` in the watched `folder` and put it in
    // the folder's kept names itself: the queue's report of it is passed
    // over, which saves a look-up of the name for every entry a run makes.
    void Made(const std::string& folder, const std::string& name);
    // Read once the folder `Made` was told of last, `name` in `folder`, has
    // been read back: true unless the watch on `folder` reports that, after
    // the layer's creation, the name was removed, moved away or made again.
    // What was read back under the name may then be another program's folder
    // put in its place. Where no watch followed `folder` when the folder was
    // made, nothing can be seen, and the answer is true.
    bool MadeUndisturbed(const std::string& folder, const std::string& name, FolderNameCache& names);

    // As on a host that refuses every watch (false), or as it is (true).
    void SetAvailable(bool available, FolderNameCache& names);

private:
    struct OwnEntry {
        int wd = -1;
        std::string name;
        bool asked = false;  // the creation MadeUndisturbed asks about
        uint32_t report = 0; // what the queue reports of it: made, moved away or moved in
    };
    // The watched folder `Made` or `RenamedRightAfterReading` names; nullptr
    // when it is not watched.
    const WatchedFolder* WatchedNamed(const std::string& folder) const;
    void Drain(FolderNameCache& names);
    // Whether `folder` was watched at the last reading of the queue.
    bool Found(const std::string& folder, const WatchMark& mark, dev_t& device, ino_t& inode);
    void EndAll(FolderNameCache& names);
    bool AddWatch(const std::string& path, bool content);

    struct Descriptor {
        std::string folder;
        bool namesFollowed = false; // the folder is in `watched_`
        bool holdsOnTheWay = false; // a folder of `onTheWay_` lies in it
    };
    // `path` is on the way; `parent` is the folder it lies in, when watched.
    void OnTheWay(const std::string& path, const std::string* parent);

    int fd_ = -1;
    bool unavailable_ = false; // the host refused an inotify instance
    bool refusedForTests_ = false;
    std::unordered_map<int, Descriptor> pathOf_;   // watch descriptor -> folder
    std::unordered_map<std::string, int> watchOf_; // folder -> watch descriptor
    // Every folder on the path of a watched folder, the watched ones included.
    std::unordered_set<std::string> onTheWay_;
    // Folders whose names follow their events. A record stays where it is
    // until every watch ends, which begins a new round: the kept names of a
    // folder point to its record, marked with the round.
    std::unordered_map<std::string, WatchedFolder> watched_;
    uint64_t round_ = 1;
    bool ownRenameLast_ = false;              // nothing has read the queue since the layer's rename
    std::unordered_set<std::string> refused_; // folders with a link or an unwatchable folder on the way
    // The folder asked for last, when watched: a run asks for the same one
    // at every entry it makes there.
    std::string lastAsked_;
    const WatchedFolder* lastWatched_ = nullptr;
    // What `Made` and `RenamedRightAfterReading` were told, in the order
    // done, which is the order the queue reports it in; someone else's
    // changes come between as they happened.
    std::deque<OwnEntry> ownMade_;
    // The name MadeUndisturbed asks about while it reads the queue: whether
    // the layer's creation of it has been read, and whether anything happened
    // to it after.
    struct MadeName {
        int wd = -1;
        std::string name;
        bool created = false;
        bool disturbed = false;
    };
    MadeName asked_;
};

} // namespace platform::detail
