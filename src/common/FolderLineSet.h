#pragma once
// The folders a list's lines name, for "does the list already hold this
// folder?": a line is held when a line of the set leads to the same folder,
// however either is written ("D:/Work/", "d:\work", "D:\Work\.\") or reached
// (the same entry on disk through another path). A link is an entry of its
// own, not the folder it leads to. A line without a drive is a name, compared
// ignoring case as it is.

#include "platform/EntryIdentity.h"

#include <optional>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

class FolderLineSet {
public:
    FolderLineSet() = default;
    explicit FolderLineSet(const std::vector<std::string>& lines);

    void Add(const std::string& line);
    bool Holds(const std::string& line) const;

private:
    // Asked only when no text matches, and only of a line naming something
    // that exists: the identities of the set's lines are then taken once.
    const std::set<platform::EntryIdentity>& Identities() const;

    std::vector<std::string> lines_;
    std::unordered_set<std::string> keys_;
    mutable std::optional<std::set<platform::EntryIdentity>> identities_;
};
