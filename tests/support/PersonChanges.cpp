#include "support/PersonChanges.h"

#include "support/ForeignCreation.h"
#include "support/PrivateMounts.h"

#include <sys/mount.h>

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
            // A mount is made only where it goes with the namespace.
            switch (random.Pick(InsidePrivateMounts() ? 7 : 6)) {
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
            case 4: {
                // The same size, the same modification time: only the
                // change time tells (`touch -r` after an edit).
                if (kind != EntryState::Kind::File || fs::file_size(host) == 0)
                    continue;
                const fs::file_time_type written = fs::last_write_time(host);
                {
                    std::fstream file(host, std::ios::in | std::ios::out | std::ios::binary);
                    const char first = static_cast<char>(file.get());
                    file.seekp(0);
                    file.put(first == 'P' ? 'Q' : 'P');
                }
                fs::last_write_time(host, written);
                Touch(changes, afterRun, path);
                changes.made.insert(path);
                changes.notes.push_back("edited " + path + " and put its time back");
                break;
            }
            case 6: {
                if (kind != EntryState::Kind::Folder)
                    continue;
                const fs::path point = host / ("mnt" + std::to_string(i));
                fs::create_directory(point);
                if (mount(precious.c_str(), point.c_str(), nullptr, MS_BIND, nullptr) != 0) {
                    fs::remove(point);
                    continue;
                }
                changes.mounted.push_back(point);
                const std::string relative = RelativeTo(root, point);
                changes.made.insert(relative);
                for (const auto& [below, state] : TakeSnapshot(point))
                    changes.made.insert(relative + "/" + below);
                changes.notes.push_back("bind-mounted their own folder on " + relative);
                // The last change: deleting a folder that holds the mount
                // would empty the person's own folder through it.
                return changes;
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

void ChangeDuringRun(CaseRandom& random, const fs::path& root, const TreeSnapshot& beforeRun,
                     PersonChanges& changes) {
    const auto makeOwn = [&changes, root](const fs::path& host, const std::string& what) {
        const std::string path = RelativeTo(root, fs::weakly_canonical(host));
        if (path.empty() || path.starts_with(".."))
            return;
        std::error_code refused;
        fs::create_directory(host, refused);
        std::ofstream(host / "theirs.txt") << "another program's own";
        if (refused || !fs::exists(host / "theirs.txt")) {
            changes.notes.push_back("during the run, another program could not make " + path);
            return;
        }
        changes.made.insert({path, path + "/theirs.txt"});
        changes.notes.push_back("during the run, another program " + what + " " + path +
                                ", holding a file of its own");
    };
    std::vector<std::string> madeByRun;
    for (const auto& [path, state] : TakeSnapshot(root))
        if (state.kind == EntryState::Kind::Folder && !beforeRun.count(path) && !BehindALink(root, path))
            madeByRun.push_back(path);
    if (madeByRun.empty() || random.OneIn(2)) {
        BeforeCreationOf("", [makeOwn](const std::string& host) { makeOwn(host, "made first"); });
        return;
    }
    const std::string path = random.Choose(madeByRun);
    try {
        RemoveEntry(root / path);
        if (random.OneIn(2))
            changes.notes.push_back("during the run, another program deleted " + path);
        else
            makeOwn(root / path, "replaced");
    } catch (const fs::filesystem_error& refused) {
        changes.notes.push_back(std::string("during the run, could not: ") + refused.what());
    }
}

void UnmountAll(PersonChanges& changes) {
    for (auto point = changes.mounted.rbegin(); point != changes.mounted.rend(); ++point)
        umount2(point->c_str(), MNT_DETACH);
    changes.mounted.clear();
}

} // namespace testsupport
