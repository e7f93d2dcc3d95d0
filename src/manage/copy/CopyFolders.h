#pragma once
// The folders a copy run works with, taken as the folders their lines lead
// to: an Include folder named by several lines (other letter case, other
// separators, a trailing backslash or ".", blanks around it, a link) is one
// folder, copied into once; and whether a structure is, holds or lies in an
// Include folder is told by identity, links resolved, never by the text.

#include "platform/FileSystem.h"

#include <optional>
#include <string>
#include <vector>

struct CopyFolder {
    std::string line; // the first line that names it, trimmed, no trailing backslash
    std::string full; // its full Windows form ("C:\a\b"), empty where it has none
    bool hasDrive = false;
    bool exists = false; // a folder, through links too
    // What it leads to, links resolved, where it exists.
    std::optional<platform::EntryIdentity> identity;
    // Its identity, then those of the folders holding it, up to the host's
    // root (FindHolding); empty where it cannot be told.
    std::vector<platform::EntryIdentity> holding;
};

CopyFolder ResolveCopyFolder(const std::string& line);
// Fills in `holding` of a folder that exists: only a run asks where folders
// lie, so the pre-count does not pay for it.
void FindHolding(CopyFolder& folder);

// The folder's path for the calls that follow it: its full form where it has
// one, else its line.
inline const std::string& PathOf(const CopyFolder& folder) {
    return folder.full.empty() ? folder.line : folder.full;
}

// Each folder the lines name once, in the order of the first line naming it;
// blank lines are left out. Folders that exist are told apart by identity,
// others by their full form ignoring case.
std::vector<CopyFolder> UniqueCopyFolders(const std::vector<std::string>& lines);

enum class StructurePlace { Apart, Same, HoldsFolder, InsideFolder };

// Where a structure lies against an Include folder (both with FindHolding
// done). A drive's root holds every folder of its drive, whatever the links
// on the way to them.
StructurePlace PlaceOfStructure(const CopyFolder& structure, const CopyFolder& folder);
