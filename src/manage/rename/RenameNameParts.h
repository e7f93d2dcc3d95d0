#pragma once
// How the rename page turns one Include line into the folder it renames and
// the folder's new full path, under its two rules: prefix and suffix around
// the folder's name, or a new name in its place. The new full path is the four
// parts joined in order.

#include "runs/NameParts.h"

#include <string>

// The folder a line stands for. A line whose last element has an extension
// names a file, and the folder holding it is meant; a line naming a folder
// that exists is that folder, whatever dots its name holds.
struct RenameFolder {
    std::string folder; // full path
    std::string parent; // the folder's parent, as the line gives it
    std::string name;   // the folder's own name
};
RenameFolder RenameFolderOf(const std::string& line);

// The checked rule and its fields as typed, read once for a whole run.
struct RenameRule {
    bool lastSubFolder = false; // rule 2, else rule 1
    std::string prefix;
    std::string prefixDelimiter;
    std::string suffixDelimiter;
    std::string suffix;
    std::string newName;
};
_tagVol0XParts NamePartsUnder(const RenameRule& rule, const RenameFolder& folder);

// Rule 1: the parent with a trailing backslash, the trimmed prefix and first
// delimiter; the folder's name; the trimmed second delimiter; the trimmed suffix.
_tagVol0XParts BuildRenameNameParts(const std::string& line, const std::string& prefix,
                                    const std::string& prefixDelimiter, const std::string& suffixDelimiter,
                                    const std::string& suffix);

// Rule 2: the parent with a trailing backslash and the new name as typed.
_tagVol0XParts BuildLastSubFolderNameParts(const std::string& line, const std::string& newName);
