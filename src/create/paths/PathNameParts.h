#pragma once
// The name parts of the paths page: one Include line names the folder to
// create by its full path; the folder keeps its parent and gets the prefix
// and suffix around its last element.

#include "runs/NameParts.h"

#include <string>

// Part 0 is the parent folder with a trailing backslash, the prefix as typed
// and its separator; part 1 the line's last element; part 2 the suffix
// separator; part 3 the suffix as typed. A last element with an extension
// names a file, whose folder is decorated instead. The line is read in its
// normal form first: "D:/Work/Jan/" and "D:\Work\.\Jan" name Jan, not an
// empty element or "." inside it. A line naming a drive's root names the root
// itself, which has no name to decorate.
_tagVol0XParts BuildPathNameParts(const std::string& line, const std::string& prefix,
                                  const std::string& suffix, bool hyphen);

