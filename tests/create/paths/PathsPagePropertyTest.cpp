// For random trees, path lists (lines through files and links, below a folder
// an earlier line makes, one folder written in several ways) and attach
// options, the paths page's simulation shows what its run then does, the run
// writes only where its lines lead, and Undo, after the person has changed
// some of what the run made, gives back what they did not touch and keeps
// what they made.
//
// Left out, because the page's simulation is meant to differ from its run
// there: a line holding two paths, and lines of 255 characters or more
// (counted under other reasons by the simulation, tried by the run).

#include "ui_TfrmStatistic04.h"
#include "ui_Vol04PathsPage.h"

#include "PathsPageFixture.h"

#include "platform/Drives.h"
#include "support/AnsweringDesktop.h"
#include "support/CountersText.h"
#include "support/PagePropertyCase.h"
#include "support/PathSpellings.h"
#include "support/PermissionsAsAUser.h"
#include "support/RandomTree.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

using namespace pathstests;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

class PathsPagePropertyTest : public PathsPageTest {
protected:
    std::string Shown() {
        const CreationCounters& counters = page->Counters();
        return CountersText(counters) + "\n" + ListBoxContents(*frmStatistic04);
    }
};

TEST_F(PathsPagePropertyTest, RunSimulationAndUndoAgreeWhateverThePersonChanges) {
    const std::vector<std::pair<QRadioButton*, std::string>> modes = {
        {controls().rdoVol04AttachMainFolderWithFiles, "main folder with files"},
        {controls().rdoVol04AttachMainFolderWithoutFiles, "main folder without files"},
        {controls().rdoVol04AttachSubFoldersOnlyWithFiles, "subfolders only with files"},
        {controls().rdoVol04AttachSubFoldersOnlyWithoutFiles, "subfolders only without files"},
        {controls().rdoVol04AttachNothing, "nothing"}};
    // Below the case's folder P (PL is a link to it): new folders, folders
    // that exist, a file, lines below a file and below links.
    const std::vector<std::string> places = {"P\\a",        "P\\A",        "P\\b",    "P\\new\\deep",
                                             "P\\new",      "P\\dup",      "P\\file", "P\\file\\inside",
                                             "P\\dlink\\y", "P\\flink\\x", "PL\\c",   "P\\sub\\more",
                                             "P\\x y",      "P\\f.txt",    "P\\Q"};
    const fs::path root = fs::path(sandbox->HostRoot('D')).parent_path();
    for (uint32_t seed : PropertySeeds(2500, 200)) {
        CaseRandom random(seed);
        CaseInputs inputs(seed);
        // As a user, whom an unreadable folder keeps out, even when the
        // tests run as root.
        PermissionsAsAUser asUser;
        AnsweringDesktop answers;
        const std::string caseName = "c" + std::to_string(seed);
        const fs::path base = fs::path(sandbox->HostRoot('D')) / caseName;
        RandomTree tree(random, base / "O");
        tree.Fill(base / "S", 2);
        if (random.OneIn(3))
            tree.AddUnreadableFolder(base / "S");
        const fs::path area = base / "P";
        tree.Fill(area, 1, 3);
        fs::create_directory_symlink(area, base / "PL");
        if (!fs::exists(fs::symlink_status(area / "file")))
            std::ofstream(area / "file") << "in the way";
        if (!fs::exists(fs::symlink_status(area / "flink")))
            fs::create_symlink(tree.Outside() / "outside.txt", area / "flink");
        if (!fs::exists(fs::symlink_status(area / "dlink")))
            fs::create_symlink("nowhere", area / "dlink");
        if (random.OneIn(2) && !fs::exists(fs::symlink_status(area / "dup")))
            fs::create_directories(area / "dup" / "old");

        include().Clear();
        controls().lstVol04AddFolderStructure->Clear();
        std::vector<std::string> lines;
        const int lineCount = 1 + random.Pick(4);
        std::vector<std::string> reached;
        for (int i = 0; i < lineCount; ++i) {
            const std::string place = random.Choose(places);
            const std::string path = "D:\\" + caseName + "\\" + place;
            // A line leads through the links on its way: the run may write
            // where the last folder of it that exists leads.
            std::string hostPlace = place;
            std::replace(hostPlace.begin(), hostPlace.end(), '\\', '/');
            fs::path existing = base;
            std::error_code unreachable;
            for (const fs::path& name : fs::path(hostPlace)) {
                if (!fs::is_directory(existing / name, unreachable))
                    break;
                existing /= name;
            }
            reached.push_back(RelativeTo(root, fs::canonical(existing, unreachable)));
            // Now and then the same folder once more, written otherwise.
            const std::string line = random.OneIn(3) ? RandomSpelling(random, path) : path;
            const std::string other = random.OneIn(4) ? RandomSpelling(random, path) : "";
            for (const std::string& text : {line, other})
                if (!text.empty() && std::find(lines.begin(), lines.end(), text) == lines.end())
                    lines.push_back(text);
        }
        if (lines.empty())
            lines.push_back("D:\\" + caseName + "\\P\\fresh");
        AddLines(lines);
        std::string noted;
        for (const std::string& line : include().Items())
            noted += " [" + line + "]";
        const std::string prefix = random.OneIn(3) ? "p" : "";
        const std::string suffix = random.OneIn(4) ? "s" : "";
        const bool hyphen = random.OneIn(2);
        controls().edtVol04Prefix->setText(QString::fromStdString(prefix));
        controls().edtVol04Suffix->setText(QString::fromStdString(suffix));
        controls().chkVol04Hyphen->setChecked(hyphen);
        AddStructure("D:\\" + caseName + "\\S");
        const auto& [mode, modeName] = random.Choose(modes);
        Choose(mode);
        inputs.Note("lines" + noted);
        inputs.Note("prefix '" + prefix + "', suffix '" + suffix + "', hyphen " + (hyphen ? "on" : "off") +
                    ", structure D:\\" + caseName + "\\S, attach " + modeName);

        // A line whose last name has a dot and is no folder stands for the
        // folder that holds it: new folders may appear beside P too, never in
        // the structure or the person's own folders, but where a line's links
        // lead.
        const std::string caseFolder = RelativeTo(root, base);
        const std::string structureFolder = RelativeTo(root, base / "S");
        const std::string outsideFolder = RelativeTo(root, base / "O");
        std::set<std::string> created;
        PagePropertySteps steps;
        steps.park = base / "O" / "park";
        steps.precious = tree.Precious();
        steps.simulate = [&] {
            Click(controls().btnVol04CreateFoldersSimulation);
            return Shown();
        };
        steps.run = [&] {
            Click(controls().btnVol04CreateFolders);
            for (const std::string& folder : page->ResultLists().Created.Folders)
                if (std::optional<std::string> host = platform::ToHostPath(folder))
                    created.insert(RelativeTo(root, fs::weakly_canonical(*host)));
            return Shown();
        };
        steps.inTargets = [&](const std::string& path) {
            for (const std::string& folder : reached)
                if (IsAtOrBelow(path, folder) && path != folder)
                    return true;
            return IsAtOrBelow(path, caseFolder) && path != caseFolder &&
                   !IsAtOrBelow(path, structureFolder) && !IsAtOrBelow(path, outsideFolder);
        };
        steps.undo = [&] {
            answers.Forget();
            Click(controls().btnVol04Undo);
            inputs.Note("Undo's boxes: " + answers.ShownTexts());
        };
        // A run makes the missing parents of a line, and Undo removes only
        // the folders it lists.
        steps.keptByDesign = [&](const std::string& path) {
            for (const std::string& folder : created)
                if (IsAtOrBelow(folder, path) && folder != path && steps.inTargets(path))
                    return true;
            return false;
        };
        const bool passed = RunPagePropertyCase(root, random, inputs, steps);
        RemoveCaseFolder(base);
        if (!passed)
            break;
    }
}

} // namespace
