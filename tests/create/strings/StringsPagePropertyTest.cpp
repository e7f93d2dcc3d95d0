// For random trees, item lists and attach options, the strings page's
// simulation shows what its run then does, the run writes only inside its
// destination and leaves there what attaching the structures must leave (the
// model of AttachModel, contents included), and Undo, after the person has
// changed some of what the run made, during the run or after it, gives back
// what they did not touch and keeps what they made. The structures count as
// settled at once, so that the run copies their small files from memory after
// the first copy.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "platform/Drives.h"
#include "support/AgedStructures.h"
#include "support/AttachModel.h"
#include "support/ListedCreatedFolders.h"
#include "support/PageCase.h"
#include "support/PrivateMounts.h"
#include "support/StructurePageCases.h"

#include <filesystem>

using namespace createtests;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

class StringsPagePropertyTest : public StringsPageTest {
public:
    // The random cases from `firstSeed` on; inside PrivateMounts the person
    // may also bind-mount a folder of their own inside what the run made.
    void Check(uint32_t firstSeed);
};

TEST_F(StringsPagePropertyTest, RunSimulationAndUndoAgreeWhateverThePersonChanges) {
    Check(2300);
}

TEST_F(StringsPagePropertyTest, UndoNeverGoesBelowWhatThePersonMountedInACreatedFolder) {
    if (testsupport::RanInPrivateMounts(
            "no bind mount may be made in a private mount namespace here (`unshare -m` needs "
            "root): the person's mounts are left out of the random cases"))
        return;
    Check(2700);
}

void StringsPagePropertyTest::Check(uint32_t firstSeed) {
    const std::vector<std::string> pool = {"a",       "A",         "b",        "dup", "new\\deep",  "new",
                                           "sub",     "sub\\more", "x y",      "S",   "f.txt",      "file",
                                           "file\\x", "flink\\x",  "dlink\\y", "Q",   "..\\escape", "nul"};
    const AgedStructures aged;
    const StructurePageCases cases(*page, "Vol02", page->Counters(), *frmStatistic02);
    cases.ForEach(firstSeed, sandbox->HostRoot('D'), [&](PageCase& c) {
        // The destination: a folder of its own, one inside the structure, or
        // a link to a folder of its own; with entries that are in the way.
        fs::path destination = c.base / "W";
        std::string destinationHost = destination.string();
        switch (c.random.Pick(3)) {
        case 0:
            destination = c.base / "S" / "w";
            destinationHost = destination.string();
            break;
        case 1:
            destinationHost = (c.base / "WL").string();
            break;
        default:
            break;
        }
        fs::create_directories(destination);
        if (destinationHost != destination.string())
            fs::create_directory_symlink(destination, destinationHost);
        c.tree.Fill(destination, 1, 3);
        c.tree.AddEntriesInTheWay(destination);

        controls().lstVol02IncludeStrings->Clear();
        controls().lstVol02AddFolderStructure->Clear();
        const std::string destinationPath = *platform::ToWindowsPath(destinationHost);
        SetDestination(destinationPath);
        c.inputs.Note("destination " + destinationPath);
        const int itemCount = 1 + c.random.Pick(5);
        for (int i = 0; i < itemCount; ++i) {
            const std::string& item = c.random.Choose(pool);
            if (!controls().lstVol02IncludeStrings->Contains(item))
                AddItems({item});
        }
        c.NoteItems("items", controls().lstVol02IncludeStrings->Items());
        const std::string prefix = c.random.OneIn(3) ? "p" : "";
        const std::string suffix = c.random.OneIn(4) ? "s" : "";
        controls().edtVol02Prefix->setText(QString::fromStdString(prefix));
        controls().edtVol02Suffix->setText(QString::fromStdString(suffix));
        controls().chkVol02Hyphen->setChecked(c.random.OneIn(2));
        AddStructure(c.Path("S"));
        const auto& [mode, modeName] = cases.ChooseMode(c);
        Choose(mode);
        c.inputs.Note("structure " + c.Path("S") + ", attach " + modeName + ", prefix '" + prefix +
                      "', suffix '" + suffix + "'");

        const std::string target = c.Relative(fs::canonical(destination));
        ListedCreatedFolders created;
        PagePropertySteps steps;
        steps.simulate = Clicking(controls().btnVol02CreateFoldersSimulation, cases.shown);
        steps.run = [&] {
            Click(controls().btnVol02CreateFolders);
            created.Note(c.root, page->ResultLists().Created.Folders);
            return cases.shown();
        };
        steps.inTargets = [&](const std::string& path) {
            return IsAtOrBelow(path, target) && path != target;
        };
        steps.checkRun =
            AttachedStructureCheck(c.root, page->ResultLists().Created.Folders, c.Relative(c.base / "S"),
                                   AttachModeNamed(modeName), target, [&] { return c.inputs.Trace(); });
        steps.changesDuringRun = true;
        steps.undo = Clicking(controls().btnVol02Undo);
        // A run makes the parents of an item with a backslash.
        steps.keptByDesign = [&](const std::string& path) {
            return created.Below(path) && steps.inTargets(path);
        };
        return c.Run(steps);
    });
    frmStatistic02->hide();
}

} // namespace
