#pragma once
// The space a run needs on each file system it writes to. Folders on one file
// system share its free space however their paths are written ("c:\a" and
// "C:\b", or two drives mapped onto one disk), and two folders of one drive
// may lie on different file systems (a disk mounted inside another), so the
// needs are summed per file system: the one holding the deepest existing
// folder of each path, where its new folders will be written.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct FileSystemNeed {
    std::string root;         // the drive root of the first folder met there, "C:\"
    std::string folder;       // that folder: the free space is measured where it will be written
    uint64_t neededBytes = 0; // saturates at UINT64_MAX, which no disk has free
    double neededFigure = 0;  // the same need unsaturated, for the person to read
};

class FileSystemNeeds {
public:
    // Adds `times` x `bytes` to the need of the file system of `folder`.
    // False, adding nothing, for a folder without a drive part or whose drive
    // is not there.
    bool Add(const std::string& folder, uint64_t bytes, uint64_t times = 1);

    // The needs in ascending order of their roots, then in the order met.
    std::vector<FileSystemNeed> Needs() const;

private:
    std::map<uint64_t, size_t> indexByFileSystem_;
    std::vector<FileSystemNeed> needs_;
};

// The first need whose file system has fewer free bytes than it needs (equal
// passes), with those free bytes; nullptr when every need fits.
const FileSystemNeed* FirstShortNeed(const std::vector<FileSystemNeed>& needs, uint64_t& freeBytes);
