#pragma once
// What a person does to a tree between a run and its Undo, chosen at random
// among the entries a test names: delete an entry, recreate it under the same
// name, replace a folder by a link (to the folder moved away, or to a folder
// of their own), add a file, edit a file in place (with its modification time
// put back or not), and, inside PrivateMounts, bind-mount a folder of their
// own inside a folder. Notes what was touched so that the Undo check knows
// what is the person's. Another program may also change the tree while a run
// goes on (ChangeDuringRun).

#include "support/PropertyCase.h"
#include "support/TreeSnapshot.h"

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace testsupport {

struct PersonChanges {
    // Entries of the tree as the run left it that the person removed, moved
    // away or changed, each folder with everything below it.
    std::set<std::string> touched;
    // Entries the person made or changed, as they are after the changes.
    std::set<std::string> made;
    // One line per change, for the failure trace.
    std::vector<std::string> notes;
    // Mount points the person made (bind mounts of `precious`): nothing seen
    // below one may go, whoever's folder holds it. Undone by UnmountAll.
    std::vector<std::filesystem::path> mounted;
};

// Takes back the person's mounts, before the case's tree is removed.
void UnmountAll(PersonChanges& changes);

// Up to `count` changes below `root` (the snapshot's root, `afterRun` taken
// of it), each on one of `candidates` (relative paths) or, for an added file,
// in one of them that is a folder. Folders moved away go into `park`, which
// lies below `root`; a link put in a folder's place leads to the moved folder
// or to `precious`.
PersonChanges MakePersonChanges(CaseRandom& random, const std::filesystem::path& root,
                                const TreeSnapshot& afterRun, const std::vector<std::string>& candidates,
                                const std::filesystem::path& park, const std::filesystem::path& precious,
                                int count,
                                const std::function<bool(const std::string&)>& mayReplaceByLink = {});

// What another program does at one moment of a run (called between two of
// its items): it makes a folder holding a file of its own under the name of
// the next folder the run makes, just before the run's creation call, or it
// deletes a folder the run has made (one not in `beforeRun`) or replaces it
// by such a folder of its own. Notes it in `changes`, which must outlive the
// run.
void ChangeDuringRun(CaseRandom& random, const std::filesystem::path& root, const TreeSnapshot& beforeRun,
                     PersonChanges& changes);

} // namespace testsupport
