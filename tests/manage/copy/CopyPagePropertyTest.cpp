// For random trees and Include lists (folders written in several ways, links
// to folders, folders the structure holds, a structure given through a link,
// what an ordinary user may not enter or write)
// in every attach mode, the copy page's simulation shows what its run then
// does, the run writes only into its Include folders and leaves there what
// copying the structure must leave (the model of AttachModel, contents
// included), and Undo, after the person has changed some of what the run
// copied, gives back what they did not touch and keeps what they made. The
// structures count as settled at once, so that the run copies their small
// files from memory after the first copy.

#include "ui_TfrmStatistic08.h"
#include "ui_Vol08CopyPage.h"

#include "CopyPageFixture.h"

#include "support/AgedStructures.h"
#include "support/AttachModel.h"
#include "support/PageCase.h"
#include "support/PathSpellings.h"
#include "support/StructurePageCases.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace copytests;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

using CopyPagePropertyTest = CopyPageTest;

TEST_F(CopyPagePropertyTest, RunSimulationAndUndoAgreeWhateverThePersonChanges) {
    const StructurePageCases cases(*page, "Vol08", page->CopyCounters(), *frmStatistic08, "copied");
    const AgedStructures aged;
    cases.ForEach(2800, sandbox->HostRoot('D'), [&](PageCase& c) {
        fs::create_directory_symlink(c.base / "S", c.base / "SL");
        // Include folders: some of their own (one holding what a copy may
        // meet), a link to one, a file, a missing one.
        const fs::path area = c.base / "I";
        fs::create_directories(area / "T1");
        fs::create_directories(area / "T2");
        c.tree.Fill(area / "T1", 1, 3);
        std::ofstream(area / "file") << "not a folder";
        fs::create_directory_symlink(area / "T2", area / "TL");
        // What an ordinary user meets: structure folders that cannot be
        // entered, listed or written, and an Include folder nothing can be
        // copied into.
        if (c.random.OneIn(3))
            c.tree.AddFoldersOfLimitedRights(c.base / "S");
        fs::create_directories(area / "RO");
        fs::permissions(area / "RO", fs::perms::owner_read | fs::perms::owner_exec);

        std::vector<std::string> places = {"I\\T1", "I\\T2", "I\\TL", "I\\RO", "I\\file", "I\\missing"};
        // Rarely, a folder the structure holds: the run must not copy into
        // its own copies.
        if (c.random.OneIn(6))
            for (const auto& [path, state] : TakeSnapshot(c.base / "S"))
                if (state.kind == EntryState::Kind::Folder && path.find("locked") == std::string::npos) {
                    std::string place = "S\\" + path;
                    std::replace(place.begin(), place.end(), '/', '\\');
                    places.push_back(place);
                }
        std::vector<std::string> lines;
        std::vector<std::string> targets;
        const int lineCount = 1 + c.random.Pick(3);
        for (int i = 0; i < lineCount; ++i) {
            const std::string place = c.random.Choose(places);
            const std::string path = c.Path(place);
            const std::string line = c.random.OneIn(3) ? RandomSpelling(c.random, path) : path;
            if (std::find(lines.begin(), lines.end(), line) == lines.end())
                lines.push_back(line);
            std::string host = place;
            std::replace(host.begin(), host.end(), '\\', '/');
            std::error_code missing;
            const fs::path folder = fs::canonical(c.base / host, missing);
            if (!missing && fs::is_directory(folder))
                targets.push_back(c.Relative(folder));
        }
        Include(lines);
        const std::string structure = c.Path(c.random.OneIn(4) ? "SL" : "S");
        controls().lstVol08AddFolderStructure->Clear();
        Structure(structure);
        const auto& [mode, modeName] = cases.ChooseMode(c);
        Mode(mode);
        Refresh();
        c.NoteItems("lines", controls().lstVol08IncludeFolderList->Items());
        c.inputs.Note("structure " + structure + ", attach " + modeName);

        PagePropertySteps steps;
        steps.simulate = Clicking(controls().btnVol08CopyFoldersSimulation, cases.shown);
        steps.run = Clicking(controls().btnVol08CopyFolders, cases.shown);
        steps.inTargets = [&](const std::string& path) {
            for (const std::string& target : targets)
                if (IsAtOrBelow(path, target) && path != target)
                    return true;
            return false;
        };
        // Each Include folder apart from the structure holds what copying the
        // structure into it must put there, worked out apart from the walk;
        // one that is, holds or lies in the structure is refused.
        steps.checkRun = [&](const TreeSnapshot& before, const TreeSnapshot& after) {
            AttachModel model(before, [&](const std::string& folder) { return CanList(c.root, folder); });
            const std::string source = c.Relative(c.base / "S");
            std::vector<std::string> copiedInto;
            for (const std::string& target : targets) {
                if (IsAtOrBelow(target, source) || IsAtOrBelow(source, target) ||
                    std::find(copiedInto.begin(), copiedInto.end(), target) != copiedInto.end())
                    continue;
                copiedInto.push_back(target);
                // Nothing can be made in a folder this user may not write
                // into: it stays as it was.
                if (faccessat(AT_FDCWD, (c.root / target).c_str(), W_OK | X_OK, AT_EACCESS) != 0)
                    continue;
                model.Attach(source, target, AttachModeNamed(modeName),
                             structure.substr(structure.rfind('\\') + 1));
            }
            std::string differences;
            for (const std::string& target : copiedInto)
                for (const std::string& line : ModelDifferences(model.Tree(), after, target))
                    differences += "\n    " + line;
            EXPECT_EQ(differences, "") << "an Include folder differs from the model\n" << c.inputs.Trace();
        };
        steps.changesDuringRun = true;
        steps.undo = Clicking(controls().btnVol08Undo);
        const bool passed = c.Run(steps);
        controls().lstVol08IncludeFolderList->Clear();
        return passed;
    });
}

} // namespace
