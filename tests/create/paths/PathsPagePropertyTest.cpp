// For random trees, path lists (lines through files and links, below a folder
// an earlier line makes, one folder written in several ways) and attach
// options, the paths page's simulation shows what its run then does, the run
// writes only where its lines lead and leaves in each folder it made what
// attaching the structure must leave (the model of AttachModel, contents
// included), and Undo, after the person has changed some of what the run
// made, gives back what they did not touch and keeps what they made. The
// structure counts as settled at once, so that its small files are copied
// from memory after the first copy.
//
// Left out, because the page's simulation is meant to differ from its run
// there: a line holding two paths, and lines of 255 characters or more
// (counted under other reasons by the simulation, tried by the run).

#include "ui_TfrmStatistic04.h"
#include "ui_Vol04PathsPage.h"

#include "PathsPageFixture.h"

#include "common/FolderNormalForm.h"
#include "platform/CaseFolding.h"
#include "support/AgedStructures.h"
#include "support/AttachModel.h"
#include "support/ListedCreatedFolders.h"
#include "support/PageCase.h"
#include "support/PathSpellings.h"
#include "support/StructurePageCases.h"

#include <algorithm>
#include <filesystem>

using namespace pathstests;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

using PathsPagePropertyTest = PathsPageTest;

TEST_F(PathsPagePropertyTest, RunSimulationAndUndoAgreeWhateverThePersonChanges) {
    // Below the case's folder P (PL is a link to it): new folders, folders
    // that exist, a file, lines below a file and below links.
    const std::vector<std::string> places = {"P\\a",        "P\\A",        "P\\b",    "P\\new\\deep",
                                             "P\\new",      "P\\dup",      "P\\file", "P\\file\\inside",
                                             "P\\dlink\\y", "P\\flink\\x", "PL\\c",   "P\\sub\\more",
                                             "P\\x y",      "P\\f.txt",    "P\\Q"};
    const StructurePageCases cases(*page, "Vol04", page->Counters(), *frmStatistic04);
    const AgedStructures aged;
    cases.ForEach(2500, sandbox->HostRoot('D'), [&](PageCase& c) {
        const fs::path area = c.base / "P";
        c.tree.Fill(area, 1, 3);
        fs::create_directory_symlink(area, c.base / "PL");
        c.tree.AddEntriesInTheWay(area);

        include().Clear();
        controls().lstVol04AddFolderStructure->Clear();
        std::vector<std::string> lines;
        const int lineCount = 1 + c.random.Pick(4);
        std::vector<std::string> reached;
        for (int i = 0; i < lineCount; ++i) {
            const std::string place = c.random.Choose(places);
            const std::string path = c.Path(place);
            // A line leads through the links on its way: the run may write
            // where the last folder of it that exists leads.
            std::string hostPlace = place;
            std::replace(hostPlace.begin(), hostPlace.end(), '\\', '/');
            fs::path existing = c.base;
            std::error_code unreachable;
            for (const fs::path& name : fs::path(hostPlace)) {
                if (!fs::is_directory(existing / name, unreachable))
                    break;
                existing /= name;
            }
            reached.push_back(c.Relative(fs::canonical(existing, unreachable)));
            // Now and then the same folder once more, written otherwise.
            const std::string line = c.random.OneIn(3) ? RandomSpelling(c.random, path) : path;
            const std::string other = c.random.OneIn(4) ? RandomSpelling(c.random, path) : "";
            for (const std::string& text : {line, other})
                if (!text.empty() && std::find(lines.begin(), lines.end(), text) == lines.end())
                    lines.push_back(text);
        }
        if (lines.empty())
            lines.push_back(c.Path("P\\fresh"));
        AddLines(lines);
        const std::vector<std::string> listed = include().Items();
        const std::string prefix = c.random.OneIn(3) ? "p" : "";
        const std::string suffix = c.random.OneIn(4) ? "s" : "";
        const bool hyphen = c.random.OneIn(2);
        controls().edtVol04Prefix->setText(QString::fromStdString(prefix));
        controls().edtVol04Suffix->setText(QString::fromStdString(suffix));
        controls().chkVol04Hyphen->setChecked(hyphen);
        AddStructure(c.Path("S"));
        const auto& [mode, modeName] = cases.ChooseMode(c);
        Choose(mode);
        c.NoteItems("lines", listed);
        c.inputs.Note("prefix '" + prefix + "', suffix '" + suffix + "', hyphen " + (hyphen ? "on" : "off") +
                      ", structure " + c.Path("S") + ", attach " + modeName);

        // A line whose last name has a dot and is no folder stands for the
        // folder that holds it: new folders may appear beside P too, never in
        // the structure or the person's own folders, but where a line's links
        // lead.
        const std::string caseFolder = c.Relative(c.base);
        const std::string structureFolder = c.Relative(c.base / "S");
        const std::string outsideFolder = c.Relative(c.base / "O");
        ListedCreatedFolders created;
        PagePropertySteps steps;
        steps.simulate = Clicking(controls().btnVol04CreateFoldersSimulation, cases.shown);
        std::deque<std::string> made;
        steps.run = [&] {
            Click(controls().btnVol04CreateFolders);
            created.Note(c.root, page->ResultLists().Created.Folders);
            made = page->ResultLists().Created.Folders;
            return cases.shown();
        };
        steps.inTargets = [&](const std::string& path) {
            for (const std::string& folder : reached)
                if (IsAtOrBelow(path, folder) && path != folder)
                    return true;
            return IsAtOrBelow(path, caseFolder) && path != caseFolder &&
                   !IsAtOrBelow(path, structureFolder) && !IsAtOrBelow(path, outsideFolder);
        };
        // Each folder the run lists as made holds what attaching the
        // structure into it must put there, worked out apart from the walk;
        // a run that made a folder in the structure is left to the checks
        // above (the walk keeps out of the run's own folders).
        steps.checkRun = [&](const TreeSnapshot& before, const TreeSnapshot& after) {
            for (const std::string& folder : made) {
                const std::optional<std::string> host = platform::ToHostPath(folder);
                std::error_code gone;
                if (!host || IsAtOrBelow(c.Relative(fs::canonical(*host, gone)), structureFolder))
                    return;
            }
            EXPECT_EQ(CreationRunDifferences(c.root, before, after, made, structureFolder,
                                             AttachModeNamed(modeName), ""),
                      "")
                << "a made folder differs from the model\n"
                << c.inputs.Trace();
        };
        steps.changesDuringRun = true;
        steps.undo = Clicking(controls().btnVol04Undo);
        // A run makes the missing parents of a line.
        // A folder made through the link PL, when the person deleted PL, is
        // left and named: its line no longer leads to it.
        const auto madeThroughGoneLink = [&](const std::string& path) {
            std::error_code unused;
            if (fs::symlink_status(c.base / "PL", unused).type() != fs::file_type::not_found)
                return false;
            const std::string link = FolderKey(c.Path("PL")) + "\\";
            const std::string shown = c.answers.ShownTexts();
            for (const std::string& folder : made) {
                const std::string key = FolderKey(folder);
                if (key.rfind(link, 0) != 0 || shown.find("\n" + folder + "\n") == std::string::npos)
                    continue;
                std::string place = key.substr(link.size());
                std::replace(place.begin(), place.end(), '\\', '/');
                if (IsAtOrBelow(platform::FoldCase(path),
                                platform::FoldCase(c.Relative(c.base / "P")) + "/" + place))
                    return true;
            }
            return false;
        };
        steps.keptByDesign = [&](const std::string& path) {
            return (created.Below(path) && steps.inTargets(path)) || madeThroughGoneLink(path);
        };
        return c.Run(steps);
    });
}

} // namespace
