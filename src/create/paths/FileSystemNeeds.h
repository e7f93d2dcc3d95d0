#pragma once
// What a run of the paths page needs on each file system: every line adds
// the structures' bytes to the file system that holds the deepest existing
// folder of its path. Lines are grouped by that file system, not by how their
// drive is written, so "c:\a" and "C:\b" (or two drives mapped onto one disk)
// are summed together and must fit together.

#include <cstdint>
#include <string>
#include <vector>

struct FileSystemNeed {
    // The drive root of the first line on this file system ("D:\"), as the
    // free-space box names it.
    std::string root;
    uint64_t neededBytes = 0; // UINT64_MAX when the sum overflows
    uint64_t freeBytes = 0;
};

// The needs of `lines` (as listed), `bytesPerLine` each, in the order their
// file systems first appear. A line without a drive part, or whose drive is
// not present, cannot be created and needs nothing.
std::vector<FileSystemNeed> SumVol04DriveNeeds(const std::vector<std::string>& lines, uint64_t bytesPerLine);
