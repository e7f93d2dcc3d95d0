#pragma once
// The disk as the rename run sees it. The run renames on the disk itself; the
// simulation renames on a view of the disk that remembers its renames and
// answers as the disk would answer after them, so that it decides every line
// as the run would, without touching anything.

#include "manage/rename/FolderEntries.h"

#include <string>
#include <vector>

class RenameDisk {
public:
    virtual ~RenameDisk() = default;
    virtual EntryKind Kind(const std::string& path) = 0;
    virtual bool ThroughLink(const std::string& path) = 0;
    virtual std::string OwnName(const std::string& path) = 0;
    virtual std::optional<platform::EntryIdentity> Identity(const std::string& path) = 0;
    // Renames the entry; never replaces one.
    virtual bool Move(const std::string& from, const std::string& to) = 0;
};

class HostRenameDisk : public RenameDisk {
public:
    EntryKind Kind(const std::string& path) override { return KindOfEntry(path); }
    bool ThroughLink(const std::string& path) override { return ReachedThroughLink(path); }
    std::string OwnName(const std::string& path) override { return NameOnDisk(path); }
    std::optional<platform::EntryIdentity> Identity(const std::string& path) override {
        return IdentityOf(path);
    }
    bool Move(const std::string& from, const std::string& to) override;
};

class SimulatedRenameDisk : public RenameDisk {
public:
    EntryKind Kind(const std::string& path) override;
    bool ThroughLink(const std::string& path) override;
    std::string OwnName(const std::string& path) override;
    std::optional<platform::EntryIdentity> Identity(const std::string& path) override;
    bool Move(const std::string& from, const std::string& to) override;

private:
    struct Rename {
        std::string from;
        std::string to;
    };
    // Where the path's entry is on the disk itself; false when a simulated
    // rename has taken it away. `renamedTo` gets the name a simulated rename
    // gave the entry itself, if one did.
    bool OnDisk(const std::string& path, std::string& onDisk, std::string* renamedTo = nullptr) const;
    // What the path names once the simulated renames are done, links included.
    EntryKind KindAfterRenames(const std::string& path, int linksFollowed) const;

    std::vector<Rename> renames_;
};
