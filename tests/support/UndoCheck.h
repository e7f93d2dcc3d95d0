#pragma once
// The checks every page's property test makes of a run and its Undo, on
// snapshots of one root: what a run changed lies inside the page's targets,
// and Undo gives back every entry the person did not touch, while it removes
// or alters nothing the person made or changed, except inside a folder the
// run created that is still the run's own (the very folder, at its path),
// which Undo empties.

#include "support/PersonChanges.h"
#include "support/TreeSnapshot.h"

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// The differences between two snapshots whose paths `inside` refuses.
std::vector<std::string> ChangesOutside(const TreeSnapshot& before, const TreeSnapshot& after,
                                        const std::function<bool(const std::string&)>& inside);

struct UndoCheck {
    const TreeSnapshot& beforeRun;
    const TreeSnapshot& afterRun;
    const TreeSnapshot& afterChanges;
    const TreeSnapshot& afterUndo;
    const PersonChanges& changes;
    // Whether Undo empties the folders the run created (the creation and copy
    // pages); the rename page's Undo moves folders back instead.
    bool emptiesCreatedFolders = true;
    // Where Undo puts back an entry found at a path after the run (the rename
    // page's renames reversed); the path itself elsewhere.
    std::function<std::string(const std::string&)> placeBeforeRun = [](const std::string& path) {
        return path;
    };
    // Mount points the person made (relative paths), below which nothing goes.
    std::vector<std::string> mountPoints{};
    // Entries the run made that the page's Undo keeps by design.
    std::function<bool(const std::string&)> keptByDesign = [](const std::string&) { return false; };
};

// One line per entry that breaks the rules above.
std::vector<std::string> UndoViolations(const UndoCheck& check);

} // namespace testsupport
