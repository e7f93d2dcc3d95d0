#include "platform/FolderWatches.h"

#include "platform/PathResolver.h"

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <vector>

namespace platform::detail {

namespace {

// What a folder on the way reports: an entry of it removed, moved away or
// put in place of another (which of them lies on the way is looked up), and
// itself removed, moved or its permissions changed.
constexpr uint32_t OnTheWayMask =
    IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MOVE_SELF | IN_DELETE_SELF | IN_ATTRIB;
// A watched folder reports the names made in it as well.
constexpr uint32_t WatchedMask = OnTheWayMask | IN_CREATE;
// A link in a folder's place is not that folder; a folder that is also on
// the way of another keeps both kinds of report.
constexpr uint32_t AddFlags = IN_ONLYDIR | IN_DONT_FOLLOW | IN_MASK_ADD;
// What the folder itself reporting ends every watch.
constexpr uint32_t SelfChanges = IN_MOVE_SELF | IN_DELETE_SELF | IN_ATTRIB | IN_IGNORED | IN_UNMOUNT;

// A run that goes round more folders than this begins its watches again.
constexpr std::size_t MaxWatched = 2048;
// Far more entries than a run makes between two reads of the queue.
constexpr std::size_t MaxOwnMade = 4096;

// The folders above `folder` on the host, from the root down.
std::vector<std::string> FoldersAbove(const std::string& folder) {
    std::vector<std::string> above;
    if (folder.size() <= 1)
        return above;
    above.push_back("/");
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        above.push_back(folder.substr(0, slash));
    return above;
}

} // namespace

FolderWatches::~FolderWatches() {
    if (fd_ >= 0)
        close(fd_);
}

bool FolderWatches::AddWatch(const std::string& path, bool content) {
    const int wd = inotify_add_watch(fd_, path.c_str(), (content ? WatchedMask : OnTheWayMask) | AddFlags);
    if (wd < 0)
        return false;
    pathOf_.emplace(wd, Descriptor{path});
    watchOf_.emplace(path, wd);
    return true;
}

void FolderWatches::SetAvailable(bool available, FolderNameCache& names) {
    refusedForTests_ = !available;
    if (!available)
        EndAll(names);
}

void FolderWatches::Watch(const std::string& folder, const FolderStatus& status, FolderNameCache& names) {
    if (unavailable_ || refusedForTests_ || refused_.count(folder))
        return;
    if (watched_.size() >= MaxWatched)
        EndAll(names);
    // What the queue holds was reported before this watch began, of folders
    // watched earlier: read now, it ends no more than those watches, and
    // never this one.
    if (fd_ >= 0)
        Drain(names);
    if (fd_ < 0) {
        fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (fd_ < 0) {
            unavailable_ = true;
            return;
        }
    }
    // From the root down: a folder of the path put in place of another after
    // it was watched is reported by the folder above it.
    const std::vector<std::string> aboveFolder = FoldersAbove(folder);
    const std::string* parent = nullptr;
    for (const std::string& above : aboveFolder) {
        if (!watchOf_.count(above) && !AddWatch(above, false)) {
            refused_.insert(folder);
            return;
        }
        OnTheWay(above, parent);
        parent = &above;
    }
    if (!AddWatch(folder, true)) {
        refused_.insert(folder);
        return;
    }
    OnTheWay(folder, parent);
    // A change made before the watch began shows in the status.
    struct stat now;
    if (lstat(folder.c_str(), &now) != 0 || !S_ISDIR(now.st_mode) || !(FolderStatus::Of(now) == status))
        return;
    WatchedFolder& watched = watched_[folder];
    watched = WatchedFolder{now.st_dev, now.st_ino, watchOf_[folder]};
    pathOf_[watched.wd].namesFollowed = true;
    names.MarkWatched(folder, WatchMark{&watched, round_});
}

void FolderWatches::OnTheWay(const std::string& path, const std::string* parent) {
    onTheWay_.insert(path);
    // The names a folder reports are looked up among those on the way only
    // where one of them lies: a run's own folder reports every name it
    // changes, and none of them is on the way.
    if (parent)
        pathOf_[watchOf_.at(*parent)].holdsOnTheWay = true;
}

const WatchedFolder* FolderWatches::WatchedNamed(const std::string& folder) const {
    if (lastWatched_ && folder == lastAsked_)
        return lastWatched_;
    const auto found = watched_.find(folder);
    return found == watched_.end() ? nullptr : &found->second;
}

void FolderWatches::Made(const std::string& folder, const std::string& name) {
    const WatchedFolder* watched = WatchedNamed(folder);
    if (!watched)
        return;
    // Reports that never came (they cannot, short of an overflow, which ends
    // every watch) would only cost the saving.
    if (ownMade_.size() >= MaxOwnMade)
        ownMade_.clear();
    ownMade_.push_back(OwnEntry{watched->wd, name, false, IN_CREATE});
}

void FolderWatches::RenamedRightAfterReading(const std::string& folder, const std::string& from,
                                             const std::string& to) {
    const WatchedFolder* watched = WatchedNamed(folder);
    if (!watched)
        return;
    if (ownMade_.size() + 2 > MaxOwnMade)
        ownMade_.clear();
    ownMade_.push_back(OwnEntry{watched->wd, from, false, IN_MOVED_FROM});
    ownMade_.push_back(OwnEntry{watched->wd, to, false, IN_MOVED_TO});
    ownRenameLast_ = true;
}

bool FolderWatches::MadeUndisturbed(const std::string& folder, const std::string& name,
                                    FolderNameCache& names) {
    // The report to look for is the one `Made` was told of last; without
    // it (no watch on the folder when it was made) nothing can be seen.
    const auto found = watched_.find(folder);
    if (found == watched_.end() || ownMade_.empty() || ownMade_.back().report != IN_CREATE ||
        ownMade_.back().wd != found->second.wd || ownMade_.back().name != name)
        return true;
    ownMade_.back().asked = true;
    asked_ = MadeName{found->second.wd, name};
    Drain(names);
    const bool undisturbed = !asked_.disturbed;
    asked_ = MadeName{};
    return undisturbed;
}

bool FolderWatches::Current(const std::string& folder, FolderNameCache& names, dev_t& device, ino_t& inode) {
    return Current(folder, names, WatchMark{}, device, inode);
}

bool FolderWatches::Current(const std::string& folder, FolderNameCache& names, const WatchMark& mark,
                            dev_t& device, ino_t& inode) {
    if (watched_.empty())
        return false;
    Drain(names);
    return Found(folder, mark, device, inode);
}

bool FolderWatches::CurrentAsOfOwnRename(const std::string& folder, FolderNameCache& names, dev_t& device,
                                         ino_t& inode) {
    if (!ownRenameLast_)
        return Current(folder, names, device, inode);
    ownRenameLast_ = false;
    return !watched_.empty() && Found(folder, WatchMark{}, device, inode);
}

bool FolderWatches::Found(const std::string& folder, const WatchMark& mark, dev_t& device, ino_t& inode) {
    if (InRound(mark)) {
        // Asked for last now, as `Made` looks for it next.
        if (lastWatched_ != mark.folder) {
            lastAsked_ = folder;
            lastWatched_ = mark.folder;
        }
    } else if (!lastWatched_ || folder != lastAsked_) {
        const auto found = watched_.find(folder);
        if (found == watched_.end())
            return false;
        lastAsked_ = folder;
        lastWatched_ = &found->second;
    }
    device = lastWatched_->device;
    inode = lastWatched_->inode;
    return true;
}

void FolderWatches::Drain(FolderNameCache& names) {
    constexpr std::size_t Largest = sizeof(inotify_event) + NAME_MAX + 1;
    alignas(inotify_event) char buffer[64 * 1024];
    ownRenameLast_ = false;
    for (;;) {
        const ssize_t read = ::read(fd_, buffer, sizeof buffer);
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            return; // nothing more (EAGAIN)
        for (std::size_t at = 0; at < static_cast<std::size_t>(read);) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += sizeof(inotify_event) + event->len;
            if (event->mask & IN_Q_OVERFLOW) {
                EndAll(names);
                return;
            }
            const auto folder = pathOf_.find(event->wd);
            if (folder == pathOf_.end())
                continue;
            const std::string& path = folder->second.folder;
            if (event->len == 0) {
                if (event->mask & SelfChanges) {
                    EndAll(names);
                    return;
                }
                continue;
            }
            // An entry's own permissions (reported by its folder too) are
            // its own watch's business.
            if (event->mask & IN_ATTRIB)
                continue;
            const std::string name = event->name;
            if ((event->mask & (IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO)) && folder->second.holdsOnTheWay &&
                onTheWay_.count(JoinHost(path, name))) {
                EndAll(names);
                return;
            }
            if (!folder->second.namesFollowed)
                continue;
            // Whatever the name reports after the creation asked about is
            // someone else's doing.
            if (asked_.created && event->wd == asked_.wd && name == asked_.name)
                asked_.disturbed = true;
            // The layer's own change is in the kept names already.
            if (!ownMade_.empty() && (event->mask & ownMade_.front().report) &&
                ownMade_.front().wd == event->wd && ownMade_.front().name == name) {
                asked_.created = asked_.created || ownMade_.front().asked;
                ownMade_.pop_front();
                continue;
            }
            if (event->mask & (IN_CREATE | IN_MOVED_TO))
                names.Follow(path, name, true);
            else if (event->mask & (IN_DELETE | IN_MOVED_FROM))
                names.Follow(path, name, false);
        }
        // A read that left room for one more event took all there was.
        if (static_cast<std::size_t>(read) + Largest <= sizeof buffer)
            return;
    }
}

void FolderWatches::EndAll(FolderNameCache& names) {
    // The kept status of a watched folder went stale while its watch kept
    // its names: they are read again when next needed.
    for (const auto& [folder, watched] : watched_)
        names.Drop(folder);
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    pathOf_.clear();
    watchOf_.clear();
    onTheWay_.clear();
    watched_.clear();
    refused_.clear();
    lastWatched_ = nullptr;
    ownRenameLast_ = false;
    ownMade_.clear();
    ++round_;
}

} // namespace platform::detail
