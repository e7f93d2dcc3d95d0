#pragma once
// One case of a page's property test, the same steps on every page: the
// simulation changes nothing and shows what the run then shows; the run
// changes nothing outside the page's targets; then the person changes some of
// what the run made, and Undo gives back what the person did not touch and
// keeps what they made (UndoCheck). A failing case prints its seed and inputs,
// what the run changed and what Undo changed. A test holds PermissionsAsAUser
// for the whole case, so that the snapshots see what the page may see.

#include "support/PersonChanges.h"
#include "support/PropertyCase.h"
#include "support/UndoCheck.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

struct PagePropertySteps {
    // Each runs the page's handler to its end and returns what the page then
    // shows: its counters and result lists.
    std::function<std::string()> simulate;
    std::function<std::string()> run;
    // The paths (relative to the root) a run may add, change or remove.
    std::function<bool(const std::string&)> inTargets;
    // Further checks of the run, given the snapshots before and after it.
    std::function<void(const TreeSnapshot& before, const TreeSnapshot& after)> checkRun;
    // Empty where the page has no Undo.
    std::function<void()> undo;
    bool emptiesCreatedFolders = true;
    // Undo moves entries back where they were before the run (the rename
    // page): each is looked for where the entry of its identity was.
    bool undoMovesBack = false;
    std::function<bool(const std::string&)> keptByDesign;
    // Where the person parks folders they move away, and the folder of their
    // own a link may lead to; both below the root, outside every target.
    std::filesystem::path park;
    std::filesystem::path precious;
    // The folders the person may replace by a link; empty: every one.
    std::function<bool(const std::string&)> mayReplaceByLink;
    // Installs the hook the run calls between items. With `changesDuringRun`
    // another program changes what the run makes while it goes on in about
    // half the cases (ChangeDuringRun); the run then finds what its
    // simulation could not see, so its counters and `checkRun` are left to
    // the Undo check.
    std::function<void(std::function<void()>)> betweenItems;
    bool changesDuringRun = false;
};

// Runs the steps on the tree below `root`; returns false when a check failed
// (the failure names the case's inputs).
bool RunPagePropertyCase(const std::filesystem::path& root, CaseRandom& random, CaseInputs& inputs,
                         const PagePropertySteps& steps);

// Removes a case's folder, unreadable folders included.
void RemoveCaseFolder(const std::filesystem::path& folder);

} // namespace testsupport
