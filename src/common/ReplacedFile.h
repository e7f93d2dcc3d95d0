#pragma once
// Where a file that is written anew must land, and with which permissions.
// Such a file is written in full to a temporary file beside its target and
// renamed into place; done on the path as given, the rename would put a plain
// file in the place of a link and give a file the permissions of a new one.

#include <sys/types.h>

#include <string>

struct ReplacementTarget {
    std::string path;   // the file the host path finally names, links followed
    std::string folder; // the folder holding it, where the temporary file goes
    mode_t mode = 0;    // the existing file's permissions, or those of a new file
};

// False when the links of `hostPath` cannot be followed to an end (a loop, or
// a link that cannot be read).
bool FindReplacementTarget(const std::string& hostPath, ReplacementTarget& target);
