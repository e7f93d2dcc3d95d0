#pragma once
// The folders a run created, which its attach walk never lists, copies or
// enters, told by their identity on disk, not by their text: a structure that
// contains a destination, also through a link, would otherwise copy its own
// copies until paths overflow.

#include "platform/FileSystem.h"
#include "platform/HeldFolderCopy.h"

#include <set>
#include <string>
#include <unordered_map>

class OwnFolders {
public:
    // Forgets the folders of the last run, and where its structures were.
    void Clear();
    void Add(const std::string& folder);
    void Add(const platform::HeldFolder& folder);

    // Finds, for the structure whose folder is `root`, whether one of the
    // own folders lies inside it (or it inside one), so that only such
    // walks pay for looking each folder up.
    void LookAround(const std::string& root);
    bool InsideStructure() const { return inside_; }
    // Whether `folder`, inside the structure looked around last, is one of them.
    bool Contains(const std::string& folder) const { return inside_ && Holds(folder); }

private:
    bool Holds(const std::string& folder) const;

    std::set<platform::EntryIdentity> identities_;
    // Where the own folders finally are on the host, links resolved.
    std::set<std::string> hostFolders_;
    // Where each structure's folder finally is on the host, found once a run.
    std::unordered_map<std::string, std::string> rootHostFolders_;
    bool inside_ = false;
};
