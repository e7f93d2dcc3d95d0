#include "support/PersonChanges.h"

#include <fstream>

namespace fs = std::filesystem;

namespace testsupport {

namespace {

EntryState::Kind KindOnDisk(const fs::path& path) {
    std::error_code ignored;
    const fs::file_status status = fs::symlink_status(path, ignored);
    if (fs::is_symlink(status))
        return EntryState::Kind::Link;
    if (fs::is_directory(status))
        return EntryState::Kind::Folder;
    if (fs::is_regular_file(status))
        return EntryState::Kind::File;
    return EntryState::Kind::Other;
}

// Whether the way from `root` to `path` passes a link: what the person does
// there happens elsewhere, to entries this record does not follow.
bool BehindALink(const fs::path& root, const std::string& path) {
    fs::path way = root;
    const fs::path relative(path);
    for (auto name = relative.begin(); name != relative.end() && std::next(name) != relative.end(); ++name) {
        way /= *name;
        if (KindOnDisk(way) == EntryState::Kind::Link)
            return true;
    }
    return false;
}

bool Gone(const fs::path& path) {
    std::error_code ignored;
    return !fs::exists(fs::symlink_status(path, ignored));
}

// Everything at or below `path` in the tree as the run left it.
void Touch(PersonChanges& changes, const TreeSnapshot& afterRun, const std::string& path) {
    changes.touched.insert(path);
    // What lies below sorts together after "path/" ("n.dat" would sort
    // between "n" and "n/B").
    for (auto it = afterRun.lower_bound(path + "/"); it != afterRun.end() && IsAtOrBelow(it->first, path);
         ++it)
        changes.touched.insert(it->first);
}

void RemoveEntry(const fs::path& path) {
    std::error_code ignored;
    if (KindOnDisk(path) == EntryState::Kind::Folder)
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path);
}

} // namespace

PersonChanges MakePersonChanges(CaseRandom& random, const fs::path& root, const TreeSnapshot& afterRun,
                                const std::vector<std::string>& candidates, const fs::path& park,
                                const fs::path& precious, int count,
                                const std::function<bool(const std::string&)>& mayReplaceByLink) {
    PersonChanges changes;
    if (candidates.empty())
        return changes;
    for (int i = 0; i < count; ++i) {
        const std::string path = random.Choose(candidates);
        const fs::path host = root / path;
        if (Gone(host) || BehindALink(root, path))
            continue;
        const EntryState::Kind kind = KindOnDisk(host);
        // A change the file system refuses (in a folder no one may enter)
        // is a change the person could not make: none.
        try {
            switch (random.Pick(5)) {
            case 0:
                Touch(changes, afterRun, path);
                RemoveEntry(host);
                changes.notes.push_back("deleted " + path);
                break;
            case 1: {
                Touch(changes, afterRun, path);
                std::error_code ignored;
                const fs::path target = fs::read_symlink(host, ignored);
                RemoveEntry(host);
                if (kind == EntryState::Kind::Folder)
                    fs::create_directory(host);
                else if (kind == EntryState::Kind::Link)
                    fs::create_symlink(target, host);
                else
                    std::ofstream(host) << "made anew";
                changes.made.insert(path);
                changes.notes.push_back("recreated " + path);
                break;
            }
            case 2: {
                if (kind != EntryState::Kind::Folder || (mayReplaceByLink && !mayReplaceByLink(path)))
                    continue;
                Touch(changes, afterRun, path);
                const fs::path moved = park / ("moved" + std::to_string(i));
                fs::rename(host, moved);
                const bool toMoved = random.OneIn(2);
                fs::create_directory_symlink(toMoved ? moved : precious, host);
                changes.made.insert(path);
                const TreeSnapshot movedTree = TakeSnapshot(moved);
                const std::string movedPath = RelativeTo(root, moved);
                changes.made.insert(movedPath);
                for (const auto& [below, state] : movedTree)
                    changes.made.insert(movedPath + "/" + below);
                changes.notes.push_back(
                    "replaced folder " + path + " by a link to " +
                    (toMoved ? "it, moved to " + movedPath : std::string("a folder of their own")));
                break;
            }
            case 3: {
                const fs::path folder = kind == EntryState::Kind::Folder ? host : host.parent_path();
                if (KindOnDisk(folder) != EntryState::Kind::Folder)
                    continue;
                const fs::path added = folder / ("person" + std::to_string(i) + ".txt");
                std::ofstream(added) << "the person's own";
                changes.made.insert(RelativeTo(root, added));
                changes.notes.push_back("added " + RelativeTo(root, added));
                break;
            }
            default: {
                if (kind != EntryState::Kind::File)
                    continue;
                // In place: the same inode, other bytes.
                std::ofstream(host, std::ios::out | std::ios::in | std::ios::binary) << "EDITED";
                Touch(changes, afterRun, path);
                changes.made.insert(path);
                changes.notes.push_back("edited " + path);
                break;
            }
            }
        } catch (const fs::filesystem_error& refused) {
            changes.notes.push_back(std::string("could not: ") + refused.what());
        }
    }
    return changes;
}

} // namespace testsupport
