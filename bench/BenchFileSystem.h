#pragma once
// Where a benchmark's drives lie. On the machine's disk the kernel's
// write-back dominates and swings from one round to the next, so a figure says
// more of the disk than of the program; on a RAM file system the same calls
// run without it and the program's own cost shows. So the drives go to
// /dev/shm when it exists, unless `--disk` is given, and the benchmark says
// which file system it measured on.

#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace benchfs {

constexpr long TmpfsMagic = 0x01021994;
constexpr const char* DiskFlag = "--disk";

// True when `flag` is among the arguments; it is taken out of them, so the
// positional arguments keep their places.
inline bool TakeFlag(int& argc, char** argv, const char* flag) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], flag) != 0)
            continue;
        for (int j = i; j + 1 < argc; ++j)
            argv[j] = argv[j + 1];
        --argc;
        argv[argc] = nullptr;
        return true;
    }
    return false;
}

inline bool OnRam(const std::string& folder) {
    struct statfs info {};
    return ::statfs(folder.c_str(), &info) == 0 && static_cast<long>(info.f_type) == TmpfsMagic;
}

struct Choice {
    bool disk = false;  // `--disk` was given
    std::string folder; // where the drive sandbox goes
};

// Points the temporary folder, where the drive sandbox is made, at the file
// system chosen, and prints it. Call before the sandbox is made.
inline Choice ChooseFileSystem(int& argc, char** argv) {
    Choice choice;
    choice.disk = TakeFlag(argc, argv, DiskFlag);
    struct stat shm {};
    if (!choice.disk && ::stat("/dev/shm", &shm) == 0 && S_ISDIR(shm.st_mode) &&
        ::access("/dev/shm", W_OK) == 0)
        ::setenv("TMPDIR", "/dev/shm", 1);
    std::error_code ignored;
    choice.folder = std::filesystem::temp_directory_path(ignored).string();
    std::printf("drives in %s: %s%s\n", choice.folder.c_str(),
                OnRam(choice.folder) ? "RAM file system (tmpfs)" : "disk",
                choice.disk ? " (--disk)" : " (--disk measures on the disk)");
    std::fflush(stdout);
    return choice;
}

} // namespace benchfs
