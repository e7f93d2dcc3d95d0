#pragma once
// What every case of a page's property test holds and does the same way: a
// folder of its own on drive D ("D:\c<seed>"), its seeded choices and the
// inputs noted for its trace, a random tree whose "outside" folder is the
// case's "O", the page run as a user (whom an unreadable folder keeps out,
// even when the tests run as root) with every box answered, and the steps of
// RunPagePropertyCase. A page's test then says only what is its own: the
// tree and inputs it lays out, its targets and its further checks.

#include "support/AnsweringDesktop.h"
#include "support/PagePropertyCase.h"
#include "support/PermissionsAsAUser.h"
#include "support/PropertyCase.h"
#include "support/RandomTree.h"

#include <QAbstractButton>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// A step that clicks `button`, which must be enabled: the page's handler
// runs to its end. With `shown`: the step then returns what it reads.
std::function<void()> Clicking(QAbstractButton* button);
std::function<std::string()> Clicking(QAbstractButton* button, const std::function<std::string()>& shown);

// Whether a case's tree may hold two names that differ only in letter case
// in one folder (one name on the drives this program stands in for).
enum class CaseTwins { Allowed, None };

class PageCase {
public:
    // `driveRoot`: the host folder of drive D.
    PageCase(uint32_t seed, const std::filesystem::path& driveRoot, CaseTwins twins);

    CaseRandom random;
    CaseInputs inputs;
    PermissionsAsAUser asUser;
    AnsweringDesktop answers;
    // "c<seed>", "D:\c<seed>", and its host folder.
    const std::string name;
    const std::string windowsPath;
    const std::filesystem::path base;
    // What the snapshots are taken of: the folder holding the drives.
    const std::filesystem::path root;
    RandomTree tree;

    // "D:\c<seed>\<place>".
    std::string Path(const std::string& place) const { return windowsPath + "\\" + place; }
    // A host path as the snapshots name it.
    std::string Relative(const std::filesystem::path& host) const { return RelativeTo(root, host); }
    // Notes `what`, each item in brackets, then `after`.
    void NoteItems(const std::string& what, const std::vector<std::string>& items,
                   const std::string& after = "");

    // Runs the steps. An Undo step gets the boxes it brought up noted in the
    // trace; where the page has Undo, the person parks what they move away
    // in "O\park" and may link to the tree's precious folder, unless the
    // steps say otherwise. False when a check failed.
    bool Run(PagePropertySteps steps);
};

// The page's 200 cases, one per seed from `firstSeed` (see PropertySeeds):
// each made, given to `body`, which lays it out, runs it and returns whether
// it passed, and its folder removed. Stops at the first case that failed.
void ForEachPageCase(uint32_t firstSeed, const std::filesystem::path& driveRoot, CaseTwins twins,
                     const std::function<bool(PageCase&)>& body);
inline void ForEachPageCase(uint32_t firstSeed, const std::filesystem::path& driveRoot,
                            const std::function<bool(PageCase&)>& body) {
    ForEachPageCase(firstSeed, driveRoot, CaseTwins::Allowed, body);
}

} // namespace testsupport
