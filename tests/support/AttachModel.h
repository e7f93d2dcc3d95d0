#pragma once
// What a run that attaches folder structures must leave on disk, worked out
// from the tree snapshot alone, apart from the program's walk: each structure
// is merged into its target as `cp -rn` merges one, with Windows names, so
// that the check of a run does not share the walk it checks.
//
// The rules per entry of the structure, breadth first, in the order Windows
// lists a folder (by the upper-case name, equal ones by their bytes):
// - a folder is made where no entry of its name (ignoring case) is, walked
//   into where a folder of its name is, and left out with all below it where
//   a file or a link of its name is, or where it cannot be read;
// - a file (in the modes with files) is copied, content and all, where no
//   entry of its name is; a link is copied as a link to the same target;
// - "Main folder" modes copy into the target's folder of the structure's
//   name (made, or merged into as a folder is), "Subfolders only" modes into
//   the target itself.

#include "runs/CreationCounters.h"
#include "support/TreeSnapshot.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// The attach mode of a choice's name (AttachModeChoices).
AttachMode AttachModeNamed(const std::string& choiceName);

class AttachModel {
public:
    // `disk`: the tree before the run, paths relative to its root.
    // `readable`: whether the folder at a relative path can be listed.
    AttachModel(TreeSnapshot disk, std::function<bool(const std::string&)> readable);

    // Makes the folder `path` and the missing ones on its way, as a run
    // makes a main folder.
    void MakeFolder(const std::string& path);
    // Attaches the structure at `structure` into `target` (both relative);
    // `topName` (when given) is the name its own folder gets, that of the
    // structure as the person wrote it (of a link to it, say).
    void Attach(const std::string& structure, const std::string& target, AttachMode mode,
                const std::string& topName = "");

    const TreeSnapshot& Tree() const { return tree_; }

private:
    // The entry of `folder` whose name is `name` ignoring case, "" when none.
    std::string Find(const std::string& folder, const std::string& name) const;
    std::vector<std::string> ListedIn(const std::string& folder) const;

    TreeSnapshot tree_;
    std::function<bool(const std::string&)> readable_;
};

// The entries below `area` (relative) where the disk differs from the model
// in kind or content, "+", "-" or "~" before each.
std::vector<std::string> ModelDifferences(const TreeSnapshot& model, const TreeSnapshot& disk,
                                          const std::string& area);

// What a creation run must have left: each folder the run lists as made
// (`made`, Windows paths, in the run's order) made, with the structure
// `structure` attached into it in `mode`. Returns the differences from the
// disk `after` below `target`, or, where `target` is empty, below each made
// folder; one line each, "" when none. `root` is the folder the snapshots are
// taken of; `before` the tree before the run.
std::string CreationRunDifferences(const std::filesystem::path& root, const TreeSnapshot& before,
                                   const TreeSnapshot& after, const std::deque<std::string>& made,
                                   const std::string& structure, AttachMode mode, const std::string& target);

// A check of a page's run (PagePropertySteps::checkRun) that attaches the
// structure at `structure` (relative to `root`) into folders it makes below
// `target`: each folder the run lists in `made` holds what attaching the
// structure into it must put there, worked out apart from the walk. A
// structure that holds the destination is left to the other checks (the walk
// keeps out of the run's own folders). `trace` names the case's inputs.
std::function<void(const TreeSnapshot& before, const TreeSnapshot& after)>
AttachedStructureCheck(const std::filesystem::path& root, const std::deque<std::string>& made,
                       const std::string& structure, AttachMode mode, const std::string& target,
                       std::function<std::string()> trace);

// Whether the folder at `relative` below `root` can be listed by whoever the
// process acts as now.
bool CanList(const std::filesystem::path& root, const std::string& relative);

} // namespace testsupport
