#include "support/PagePropertyCase.h"

#include "support/ForeignCreation.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace testsupport {

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += "\n    " + line;
    return text;
}

// The entries a person may change: what the run made or changed, and what
// lies in the page's targets.
std::vector<std::string> ChangeCandidates(const TreeSnapshot& before, const TreeSnapshot& after,
                                          const PagePropertySteps& steps) {
    std::vector<std::string> candidates;
    for (const auto& [path, state] : after) {
        auto old = before.find(path);
        if (old == before.end() || !(old->second == state) || steps.inTargets(path))
            candidates.push_back(path);
    }
    return candidates;
}

// Where an entry found at a path after the run was before it: the place of
// the entry of the same identity, or of the nearest folder above that has one.
std::function<std::string(const std::string&)> PlacesBeforeRun(const TreeSnapshot& before,
                                                               const TreeSnapshot& afterRun) {
    std::map<std::pair<uint64_t, uint64_t>, std::string> placeOf;
    for (const auto& [path, state] : before)
        placeOf[{state.identity.device, state.identity.inode}] = path;
    return [placeOf, afterRun](const std::string& path) {
        for (std::string above = path; !above.empty();) {
            auto entry = afterRun.find(above);
            if (entry != afterRun.end()) {
                auto place = placeOf.find({entry->second.identity.device, entry->second.identity.inode});
                if (place != placeOf.end())
                    return place->second + path.substr(above.size());
            }
            const std::size_t slash = above.rfind('/');
            above = slash == std::string::npos ? std::string() : above.substr(0, slash);
        }
        return path;
    };
}

} // namespace

bool RunPagePropertyCase(const fs::path& root, CaseRandom& random, CaseInputs& inputs,
                         const PagePropertySteps& steps) {
    // Where the person will park folders is there from the start: making it
    // is no change of theirs that Undo must keep.
    if (!steps.park.empty())
        fs::create_directories(steps.park);
    const TreeSnapshot before = TakeSnapshot(root);
    const bool changeDuringRun = steps.changesDuringRun && steps.betweenItems && random.OneIn(2);
    int calls = 0;
    if (changeDuringRun)
        steps.betweenItems([&calls] { ++calls; });
    const std::string simulated = steps.simulate();
    const TreeSnapshot afterSimulation = TakeSnapshot(root);
    EXPECT_EQ(Lines(SnapshotDifferences(before, afterSimulation)), "") << "the simulation changed the disk\n"
                                                                       << inputs.Trace();
    // The run lets pending messages through as often as its simulation did.
    PersonChanges duringRun;
    if (changeDuringRun && calls > 0)
        steps.betweenItems([&, at = 1 + random.Pick(calls)]() mutable {
            if (--at == 0)
                ChangeDuringRun(random, root, afterSimulation, duringRun);
        });
    const std::string ran = steps.run();
    if (changeDuringRun) {
        steps.betweenItems({});
        NoForeignCreation();
    }
    for (const std::string& note : duringRun.notes)
        inputs.Note(note);
    const bool changedDuringRun = !duringRun.made.empty() || !duringRun.notes.empty();
    if (!changedDuringRun) {
        EXPECT_EQ(ran, simulated) << "the run shows other counters or lists than its simulation\n"
                                  << inputs.Trace();
    }
    const TreeSnapshot afterRun = TakeSnapshot(root);
    EXPECT_EQ(Lines(ChangesOutside(afterSimulation, afterRun, steps.inTargets)), "")
        << "the run changed the disk outside its targets\n"
        << inputs.Trace();
    if (steps.checkRun && !changedDuringRun) {
        SCOPED_TRACE("the run changed:" + Lines(SnapshotDifferences(afterSimulation, afterRun)));
        steps.checkRun(afterSimulation, afterRun);
    }
    if (::testing::Test::HasFailure())
        return false;
    if (!steps.undo)
        return true;

    PersonChanges changes =
        MakePersonChanges(random, root, afterRun, ChangeCandidates(afterSimulation, afterRun, steps),
                          steps.park, steps.precious, random.Pick(4), steps.mayReplaceByLink);
    for (const std::string& note : changes.notes)
        inputs.Note("person: " + note);
    changes.made.insert(duringRun.made.begin(), duringRun.made.end());
    const TreeSnapshot afterChanges = TakeSnapshot(root);
    steps.undo();
    const TreeSnapshot afterUndo = TakeSnapshot(root);
    UndoCheck check{afterSimulation, afterRun, afterChanges, afterUndo, changes};
    for (const fs::path& point : changes.mounted)
        check.mountPoints.push_back(RelativeTo(root, point));
    check.emptiesCreatedFolders = steps.emptiesCreatedFolders;
    if (steps.undoMovesBack)
        check.placeBeforeRun = PlacesBeforeRun(afterSimulation, afterRun);
    if (steps.keptByDesign)
        check.keptByDesign = steps.keptByDesign;
    EXPECT_EQ(Lines(UndoViolations(check)), "")
        << "Undo\n"
        << inputs.Trace() << "\n  the run changed:" << Lines(SnapshotDifferences(afterSimulation, afterRun))
        << "\n  Undo changed:" << Lines(SnapshotDifferences(afterChanges, afterUndo));
    UnmountAll(changes);
    return !::testing::Test::HasFailure();
}

void RemoveCaseFolder(const fs::path& folder) {
    std::error_code ignored;
    for (auto it = fs::recursive_directory_iterator(folder, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (!it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(folder, ignored);
}

} // namespace testsupport
