#pragma once
// The disk as the rename run sees it. The run renames on the disk itself; the
// simulation renames on a view of the disk that remembers its renames and
// answers as the disk would answer after them, so that it decides every line
// as the run would, without touching anything.

#include "manage/rename/FolderEntries.h"
#include "platform/FolderRename.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

class RenameDisk {
public:
    virtual ~RenameDisk() = default;
    virtual EntryFacts Facts(const std::string& path) = 0;
    virtual bool ThroughLink(const std::string& path) = 0;
    // What a rename of `from` to `to` (a path of the same folder) depends
    // on, read together where the disk can: no folder on the way is a link,
    // and the facts of both. False when not read so: ask ThroughLink and
    // Facts one by one.
    virtual bool FactsBeforeMove(const std::string& /*from*/, const std::string& /*to*/,
                                 EntryFacts& /*entry*/, EntryFacts& /*there*/) {
        return false;
    }
    // Renames the entry; never replaces one. Refused where this user may not
    // remove the entry from its folder (the sticky-bit rule included), and
    // for a mount point.
    virtual bool Move(const std::string& from, const std::string& to) = 0;
};

class HostRenameDisk : public RenameDisk {
public:
    EntryFacts Facts(const std::string& path) override { return FactsOf(path); }
    bool ThroughLink(const std::string& path) override { return ReachedThroughLink(path); }
    // Within a folder whose names the platform follows, read relative to the
    // folder held open, without a walk of the whole path.
    bool FactsBeforeMove(const std::string& from, const std::string& to, EntryFacts& entry,
                         EntryFacts& there) override;
    bool Move(const std::string& from, const std::string& to) override;

private:
    // The last rename looked at, whose paths need no second reading when it
    // is done (while `lookedAt_`), and whose folder's path needs none for the
    // next rename in that folder.
    platform::RenameInFolder looked_;
    bool lookedAt_ = false;
};

// Keeps only what its renames changed: for each folder it renamed in or
// looked through, the names taken away and the names given, each leading to
// the entry's place on the disk itself. Every other name is the disk's. A
// path is thus followed name by name, whatever the number of renames before.
class SimulatedRenameDisk : public RenameDisk {
public:
    SimulatedRenameDisk();
    ~SimulatedRenameDisk() override;
    EntryFacts Facts(const std::string& path) override;
    bool ThroughLink(const std::string& path) override;
    // Where both paths lead to one folder of the disk whose names the
    // platform follows, read there together, as the run reads them.
    bool FactsBeforeMove(const std::string& from, const std::string& to, EntryFacts& entry,
                         EntryFacts& there) override;
    bool Move(const std::string& from, const std::string& to) override;

private:
    struct Node;
    // Where a path leads once the simulated renames are done.
    struct Place {
        bool missing = false;
        std::string onDisk;     // the entry's path on the disk itself
        Node* node = nullptr;   // the entry's own record, when it has one
        Node* parent = nullptr; // its folder's record, when it has one
        std::string key;        // its name, folded
    };
    // With `record`, every folder on the way and the entry itself get a
    // record of their own.
    Place Find(const std::string& path, bool record);
    // The facts the disk gave of a place, as they stand once the renames
    // are done.
    EntryFacts AsRenamed(EntryFacts facts, const Place& place);
    // What the entry at `onDisk` is once the renames are done, a link's
    // target included.
    EntryKind KindOnDisk(const std::string& onDisk, int linksFollowed);
    // Where the disk, which follows a link by the exact letters of its target,
    // would find `target` after the renames; false when nothing is there.
    bool FollowExactly(const std::string& target, std::string& onDisk);

    std::unique_ptr<Node> drives_;
    // Folders of the disk, folded, that are no link and lie below none.
    std::unordered_set<std::string> linkFreeFolders_;
};
