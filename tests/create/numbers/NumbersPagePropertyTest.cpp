// For random trees, ranges, destinations however they are written and attach
// options, the numbers page's simulation shows what its run then does, the
// run writes only inside its destination and leaves there what attaching the
// structure must leave (the model of AttachModel, contents included), and
// Undo, after the person has changed some of what the run made, gives back
// what they did not touch and keeps what they made. The structure counts as
// settled at once, so that its small files are copied from memory after the
// first copy.

#include "ui_TfrmStatistic03.h"
#include "ui_Vol03NumbersPage.h"

#include "NumbersPageFixture.h"

#include "support/AgedStructures.h"
#include "support/AttachModel.h"
#include "support/PageCase.h"
#include "support/PathSpellings.h"
#include "support/StructurePageCases.h"

#include <filesystem>
#include <fstream>

using namespace numberstests;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

using NumbersPagePropertyTest = NumbersPageTest;

TEST_F(NumbersPagePropertyTest, RunSimulationAndUndoAgreeWhateverThePersonChanges) {
    const StructurePageCases cases(*page, "Vol03", page->Counters(), *frmStatistic03);
    const AgedStructures aged;
    cases.ForEach(2400, sandbox->HostRoot('D'), [&](PageCase& c) {
        // The destination: a folder of its own, one inside the structure, or
        // a link to a folder of its own; with numbers already taken.
        fs::path destination = c.base / "W";
        std::string destinationPath = c.Path("W");
        switch (c.random.Pick(3)) {
        case 0:
            destination = c.base / "S" / "w";
            destinationPath = c.Path("S\\w");
            fs::create_directories(destination);
            break;
        case 1:
            fs::create_directories(destination);
            fs::create_directory_symlink(destination, c.base / "WL");
            destinationPath = c.Path("WL");
            break;
        default:
            fs::create_directories(destination);
            break;
        }
        if (c.random.OneIn(2))
            fs::create_directories(destination / "1" / "old");
        if (c.random.OneIn(2))
            std::ofstream(destination / "2") << "in the way";
        if (c.random.OneIn(3))
            fs::create_directory_symlink(c.tree.Precious(), destination / "3");
        if (c.random.OneIn(3))
            fs::create_symlink("nowhere", destination / "4");

        const std::string spelled = RandomSpelling(c.random, destinationPath);
        c.answers.ExpectModal("frmLevelSummFolder");
        page->SetDestination(spelled);
        const int start = 1 + c.random.Pick(3);
        const int end = start + c.random.Pick(3);
        SetRange(std::to_string(start), std::to_string(end));
        const std::string prefix = c.random.OneIn(3) ? "p" : "";
        const std::string suffix = c.random.OneIn(4) ? "s" : "";
        const bool hyphen = c.random.OneIn(2);
        controls().edtVol03Prefix->setText(QString::fromStdString(prefix));
        controls().edtVol03Suffix->setText(QString::fromStdString(suffix));
        controls().chkVol03Hyphen->setChecked(hyphen);
        controls().lstVol03AddFolderStructure->Clear();
        AddStructure(c.Path("S"));
        const auto& [mode, modeName] = cases.ChooseMode(c);
        Choose(mode);
        c.inputs.Note("destination '" + spelled + "', numbers " + std::to_string(start) + " to " +
                      std::to_string(end) + ", prefix '" + prefix + "', suffix '" + suffix + "', hyphen " +
                      (hyphen ? "on" : "off") + ", structure " + c.Path("S") + ", attach " + modeName);

        const std::string target = c.Relative(fs::canonical(destination));
        PagePropertySteps steps;
        steps.simulate = Clicking(controls().btnVol03CreateFoldersSimulation, cases.shown);
        steps.run = Clicking(controls().btnVol03CreateFolders, cases.shown);
        steps.inTargets = [&](const std::string& path) {
            return IsAtOrBelow(path, target) && path != target;
        };
        steps.checkRun =
            AttachedStructureCheck(c.root, page->ResultLists().Created.Folders, c.Relative(c.base / "S"),
                                   AttachModeNamed(modeName), target, [&] { return c.inputs.Trace(); });
        steps.changesDuringRun = true;
        steps.undo = Clicking(controls().btnVol03Undo);
        return c.Run(steps);
    });
}

} // namespace
