#include "support/RandomTree.h"

#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace testsupport {

namespace {

bool Taken(const fs::path& path) {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(path, ignored));
}

} // namespace

RandomTree::RandomTree(CaseRandom& random, const fs::path& outside, bool caseTwins)
    : random_(random), outside_(outside), caseTwins_(caseTwins) {
    fs::create_directories(outside_ / "Precious");
    std::ofstream(outside_ / "outside.txt") << "outside";
    std::ofstream(outside_ / "Precious" / "f.txt") << "precious";
}

void RandomTree::Fill(const fs::path& folder, int depth, int width) {
    static const std::vector<std::string> names = {"a",   "A",   "b",     "f.txt", "F.TXT",
                                                   "sub", "x y", "n.dat", "Q"};
    // Apart from the fixed names callers use ("A", "B", "L" ...).
    static const std::vector<std::string> distinctNames = {"c", "f.txt", "sub", "x y", "n.dat", "Q"};
    fs::create_directories(folder);
    const int count = random_.Pick(width + 1);
    for (int i = 0; i < count; ++i) {
        const fs::path path = folder / random_.Choose(caseTwins_ ? names : distinctNames);
        if (Taken(path))
            continue;
        switch (random_.Pick(depth > 0 ? 10 : 7)) {
        case 0:
        case 1:
        case 2:
            std::ofstream(path) << std::string(static_cast<std::size_t>(random_.Pick(40)),
                                               static_cast<char>('a' + random_.Pick(26)));
            break;
        case 3:
            fs::create_directory_symlink(random_.OneIn(2) ? Precious() : fs::path("sub"), path);
            break;
        case 4:
            fs::create_symlink(random_.OneIn(2) ? outside_ / "outside.txt" : fs::path("f.txt"), path);
            break;
        case 5:
            fs::create_symlink("nowhere", path);
            break;
        case 6:
            // An empty folder: walks meet folders with nothing to copy or count.
            fs::create_directory(path);
            break;
        default:
            Fill(path, depth - 1, width);
            break;
        }
    }
}

void RandomTree::AddEntriesInTheWay(const fs::path& folder) {
    if (!Taken(folder / "file"))
        std::ofstream(folder / "file") << "in the way";
    if (!Taken(folder / "flink"))
        fs::create_symlink(outside_ / "outside.txt", folder / "flink");
    if (!Taken(folder / "dlink"))
        fs::create_symlink("nowhere", folder / "dlink");
    if (random_.OneIn(2) && !Taken(folder / "dup"))
        fs::create_directories(folder / "dup" / "old");
}

void RandomTree::AddUnreadableFolder(const fs::path& folder) {
    const fs::path locked = folder / "locked";
    if (Taken(locked))
        return;
    fs::create_directories(locked / "inner");
    std::ofstream(locked / "secret.txt") << "secret";
    fs::permissions(locked, fs::perms::none);
}

void RandomTree::AddFoldersOfLimitedRights(const fs::path& folder) {
    const std::pair<const char*, fs::perms> folders[] = {
        {"listonly", fs::perms::owner_read},
        {"enteronly", fs::perms::owner_exec},
        {"readonly", fs::perms::owner_read | fs::perms::owner_exec},
    };
    for (const auto& [name, rights] : folders) {
        const fs::path limited = folder / name;
        if (Taken(limited))
            continue;
        fs::create_directories(limited);
        std::ofstream(limited / "kept.txt") << name;
        fs::permissions(limited, rights);
    }
}

} // namespace testsupport
