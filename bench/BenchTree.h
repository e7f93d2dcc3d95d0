#pragma once
// What the benchmarks that create folders and copy folder structures share: a
// clock, the plain copy of one file, the benchmarks' structure of 50 folders
// and 200 files of 4 KB, the plain mkdir() and copy loops a run is measured
// against, the loop of the calls no run can leave out, and the process's peak
// memory.

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace benchtree {

using Clock = std::chrono::steady_clock;

inline double Seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// `count` names: the stem and a six-digit number from 000000.
inline std::vector<std::string> NumberedNames(const char* stem, int count) {
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(count));
    char buffer[64];
    for (int i = 0; i < count; ++i) {
        std::snprintf(buffer, sizeof buffer, "%s%06d", stem, i);
        names.emplace_back(buffer);
    }
    return names;
}

inline void CopyPlain(const std::string& from, const std::string& to) {
    int in = ::open(from.c_str(), O_RDONLY);
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(in, buffer, sizeof buffer)) > 0) {
        if (::write(out, buffer, static_cast<size_t>(n)) != n)
            break;
    }
    ::close(in);
    ::close(out);
}

struct Structure {
    std::vector<std::string> folders; // relative, parents first
    std::vector<std::string> files;   // relative
};

// 50 folders (5 at the top, 9 below each) and 200 files of 4 KB, 4 in each folder.
inline Structure MakeStructure(const std::string& hostRoot) {
    Structure s;
    ::mkdir(hostRoot.c_str(), 0755);
    for (int top = 0; top < 5; ++top) {
        std::string t = "Top" + std::to_string(top);
        s.folders.push_back(t);
        for (int sub = 0; sub < 9; ++sub)
            s.folders.push_back(t + "/Sub" + std::to_string(sub));
    }
    std::string content(4096, 'x');
    for (const std::string& folder : s.folders) {
        ::mkdir((hostRoot + "/" + folder).c_str(), 0755);
        for (int f = 0; f < 4; ++f) {
            std::string file = folder + "/file" + std::to_string(f) + ".dat";
            int fd = ::open((hostRoot + "/" + file).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (::write(fd, content.data(), content.size()) < 0)
                std::perror("write");
            ::close(fd);
            s.files.push_back(file);
        }
    }
    return s;
}

// Copies the structure at `structureHost` to `top`, which is made first: the
// plainest code that attaches the structure with its files.
inline void CopyStructureInto(const std::string& structureHost, const Structure& structure,
                              const std::string& top) {
    ::mkdir(top.c_str(), 0755);
    for (const std::string& relative : structure.folders)
        ::mkdir((top + "/" + relative).c_str(), 0755);
    for (const std::string& file : structure.files)
        CopyPlain(structureHost + "/" + file, top + "/" + file);
}

// mkdir() of each name below host/folder.
inline void MkdirEach(const std::string& host, const std::string& folder,
                      const std::vector<std::string>& names) {
    for (const std::string& name : names)
        ::mkdir((host + "/" + folder + "/" + name).c_str(), 0755);
}

// The baseline of a run that attaches nothing: host/folder is made, then the
// names below it are timed.
inline double MkdirLoop(const std::string& host, const std::string& folder,
                        const std::vector<std::string>& names) {
    ::mkdir((host + "/" + folder).c_str(), 0755);
    return Seconds([&] { MkdirEach(host, folder, names); });
}

// The calls of the mechanism the runs use to make each folder while they keep
// what the program promises: the folder is made relative to its open parent,
// its identity (inode, birth time) is read for Undo, and its parent is
// watched, so that a name someone else gives a folder meanwhile is seen, which
// costs the kernel an event per folder and the run one read of the queue.
// host/folder is made and timed like MkdirLoop; `names` may hold a parent
// ("Parent0001/Line000001"), which must exist. The ratio of this loop to the
// mkdir loop is the floor of that mechanism, not of any run: a run made
// another way could go below it.
inline double WatchedMkdirLoop(const std::string& host, const std::string& folder,
                               const std::vector<std::string>& names) {
    const std::string top = host + "/" + folder;
    ::mkdir(top.c_str(), 0755);
    std::map<std::string, int> parents;
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    const double seconds = Seconds([&] {
        char events[65536];
        for (const std::string& name : names) {
            const size_t cut = name.rfind('/');
            const std::string parent = cut == std::string::npos ? top : top + "/" + name.substr(0, cut);
            auto found = parents.find(parent);
            if (found == parents.end()) {
                ::inotify_add_watch(watch, parent.c_str(),
                                    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF |
                                        IN_MOVE_SELF);
                found = parents.emplace(parent, ::open(parent.c_str(), O_RDONLY | O_DIRECTORY)).first;
            }
            const char* leaf = name.c_str() + (cut == std::string::npos ? 0 : cut + 1);
            ::mkdirat(found->second, leaf, 0755);
            struct statx identity {};
            ::statx(found->second, leaf, AT_SYMLINK_NOFOLLOW, STATX_TYPE | STATX_INO | STATX_BTIME,
                    &identity);
            [[maybe_unused]] const ssize_t queued = ::read(watch, events, sizeof events);
        }
    });
    for (const auto& [path, fd] : parents)
        ::close(fd);
    ::close(watch);
    return seconds;
}

// The baseline of a run that attaches the structure with its files to each
// new folder: host/folder is made, then each name below it with the structure
// copied in as "Struct" is timed.
inline double CopyLoop(const std::string& host, const std::string& folder,
                       const std::vector<std::string>& names, const std::string& structureHost,
                       const Structure& structure) {
    ::mkdir((host + "/" + folder).c_str(), 0755);
    return Seconds([&] {
        for (const std::string& name : names) {
            const std::string item = host + "/" + folder + "/" + name;
            ::mkdir(item.c_str(), 0755);
            CopyStructureInto(structureHost, structure, item + "/Struct");
        }
    });
}

inline double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

} // namespace benchtree
