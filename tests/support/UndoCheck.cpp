#include "support/UndoCheck.h"

#include <map>
#include <set>

namespace testsupport {

namespace {

std::string ParentOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Whether some folder above `path` was made by the run and is still the very
// folder it made: Undo empties it, and what the person put inside goes too.
// A folder another program made during the run, before the run came to its
// name, is theirs: the run found it there.
bool InsideOwnCreatedFolder(const UndoCheck& check, const std::string& path) {
    for (std::string folder = ParentOf(path); !folder.empty(); folder = ParentOf(folder)) {
        auto made = check.afterRun.find(folder);
        auto now = check.afterChanges.find(folder);
        if (made != check.afterRun.end() && made->second.kind == EntryState::Kind::Folder &&
            !check.beforeRun.count(folder) && !check.changes.made.count(folder) &&
            now != check.afterChanges.end() && now->second == made->second)
            return true;
    }
    return false;
}

// Where Undo may have moved an entry of the person's: the entry is theirs,
// not the run's, so only the nearest folder above it that is still the very
// entry the run left goes back where it was before the run, taking it along.
std::string PlaceAfterUndo(const UndoCheck& check, const std::string& path) {
    for (std::string folder = ParentOf(path); !folder.empty(); folder = ParentOf(folder)) {
        auto ran = check.afterRun.find(folder);
        auto now = check.afterChanges.find(folder);
        if (ran != check.afterRun.end() && now != check.afterChanges.end() &&
            ran->second.identity == now->second.identity)
            return check.placeBeforeRun(folder) + path.substr(folder.size());
    }
    return path;
}

// Whether `path` is or lies below a mount point the person made: what is
// seen there is never the run's to take, whoever's folder holds it.
bool AtOrBelowAMount(const UndoCheck& check, const std::string& path) {
    for (const std::string& point : check.mountPoints)
        if (IsAtOrBelow(path, point))
            return true;
    return false;
}

} // namespace

std::vector<std::string> ChangesOutside(const TreeSnapshot& before, const TreeSnapshot& after,
                                        const std::function<bool(const std::string&)>& inside) {
    std::vector<std::string> outside;
    for (const std::string& line : SnapshotDifferences(before, after)) {
        const std::size_t start = line[0] == '~' ? 2 : 2;
        std::string path = line.substr(start);
        path = path.substr(0, path.find(line[0] == '~' ? ": " : " ("));
        if (!inside(path))
            outside.push_back(line);
    }
    return outside;
}

std::vector<std::string> UndoViolations(const UndoCheck& check) {
    std::vector<std::string> violations;
    std::set<std::string> touchedBeforeRun;
    for (const std::string& path : check.changes.touched)
        touchedBeforeRun.insert(check.placeBeforeRun(path));

    // What the person made or changed stays as they left it.
    std::set<std::string> kept;
    for (const std::string& path : check.changes.made) {
        auto made = check.afterChanges.find(path);
        if (made == check.afterChanges.end())
            continue; // made, then removed by a later change
        const std::string undone = PlaceAfterUndo(check, path);
        for (const std::string& place : {path, undone}) {
            auto now = check.afterUndo.find(place);
            if (now != check.afterUndo.end() && now->second == made->second)
                kept.insert(place);
        }
        const bool keptSomewhere = kept.count(path) || kept.count(undone);
        if (!keptSomewhere && (AtOrBelowAMount(check, path) ||
                               !(check.emptiesCreatedFolders && InsideOwnCreatedFolder(check, path))))
            violations.push_back("the person's entry removed or altered: " + path + " (" +
                                 made->second.Describe() + ")");
    }

    // What the person did not touch is as it was before the run, unless an
    // entry of the person's now holds its place, so that Undo could not put
    // it back: then it is still there, unchanged, where the run left it.
    std::map<std::pair<uint64_t, uint64_t>, std::string> placeNow;
    for (const auto& [path, state] : check.afterUndo)
        placeNow[{state.identity.device, state.identity.inode}] = path;
    std::set<std::string> keptAside;
    for (const auto& [path, state] : check.beforeRun) {
        if (touchedBeforeRun.count(path))
            continue;
        auto now = check.afterUndo.find(path);
        if (now != check.afterUndo.end() && now->second == state)
            continue;
        auto aside = placeNow.find({state.identity.device, state.identity.inode});
        if (kept.count(path) && aside != placeNow.end() && check.afterUndo.at(aside->second) == state) {
            keptAside.insert(aside->second);
            continue;
        }
        if (now == check.afterUndo.end())
            violations.push_back("not given back: " + path + " (" + state.Describe() + ")");
        else
            violations.push_back("not as before the run: " + path + " (" + state.Describe() + " -> " +
                                 now->second.Describe() + ")");
    }

    // Nothing else of the run's is left.
    for (const auto& [path, state] : check.afterUndo) {
        if (check.beforeRun.count(path) || kept.count(path) || check.keptByDesign(path))
            continue;
        bool asideOrBelow = false;
        for (const std::string& aside : keptAside)
            asideOrBelow = asideOrBelow || IsAtOrBelow(path, aside);
        if (asideOrBelow)
            continue;
        bool holdsKept = false;
        for (auto it = kept.lower_bound(path + "/"); it != kept.end() && IsAtOrBelow(*it, path) && !holdsKept;
             ++it)
            holdsKept = state.kind == EntryState::Kind::Folder;
        if (!holdsKept)
            violations.push_back("left after Undo: " + path + " (" + state.Describe() + ")");
    }
    return violations;
}

} // namespace testsupport
