#pragma once
// What the benchmarks that walk a tree of folders on the host share: the tree
// of folders and small files they walk, the plain readdir() loop over one
// folder, and the best of several alternating rounds.

#include "BenchTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace benchwalk {

struct TreeShape {
    int topFolders = 0;
    int subfoldersEach = 0; // below each top folder
    int filesPerFolder = 0;
    std::vector<std::string> extensions; // taken in turn by the files of a folder
};

// "file<i><extension>" of 1 to 200 bytes, the size set by `seed` and i.
inline void MakeFiles(const std::string& folder, int seed, const TreeShape& shape) {
    for (int i = 0; i < shape.filesPerFolder; ++i) {
        std::string path =
            folder + "/file" + std::to_string(i) + shape.extensions[i % shape.extensions.size()];
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::string content((seed + i) % 200 + 1, 'x');
        if (fd >= 0) {
            ssize_t written = ::write(fd, content.data(), content.size());
            (void)written;
            ::close(fd);
        }
    }
}

// root/Folder<top>, each with Sub<n> below it, each folder with its files.
inline void MakeTree(const std::string& root, const TreeShape& shape) {
    ::mkdir(root.c_str(), 0755);
    for (int top = 0; top < shape.topFolders; ++top) {
        std::string topFolder = root + "/Folder" + std::to_string(top);
        ::mkdir(topFolder.c_str(), 0755);
        MakeFiles(topFolder, top, shape);
        for (int sub = 0; sub < shape.subfoldersEach; ++sub) {
            std::string subFolder = topFolder + "/Sub" + std::to_string(sub);
            ::mkdir(subFolder.c_str(), 0755);
            MakeFiles(subFolder, top + sub, shape);
        }
    }
}

inline bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (!name[1] || (name[1] == '.' && !name[2]));
}

// Calls visit(path, entry) for each entry of `folder` but "." and "..", with
// path = folder/name. A template, so that the baselines built on it cost what
// the plain loop costs.
template <typename Visit> void ForEachEntry(const std::string& folder, Visit&& visit) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (dirent* entry = ::readdir(dir)) {
        if (IsDotOrDotDot(entry->d_name))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        visit(path, entry);
    }
    ::closedir(dir);
}

// The best seconds of each side over `rounds` alternating rounds, so that both
// sides see the same caches.
inline std::pair<double, double> BestOf(int rounds, const std::function<void()>& ours,
                                        const std::function<void()>& baseline) {
    double bestOurs = 1e30, bestBaseline = 1e30;
    for (int round = 0; round < rounds; ++round) {
        bestBaseline = std::min(bestBaseline, benchtree::Seconds(baseline));
        bestOurs = std::min(bestOurs, benchtree::Seconds(ours));
    }
    return {bestOurs, bestBaseline};
}

} // namespace benchwalk
