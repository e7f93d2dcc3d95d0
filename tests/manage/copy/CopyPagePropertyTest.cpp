// For random trees and Include lists (folders written in several ways, links
// to folders, folders the structure holds, a structure given through a link)
// in every attach mode, the copy page's simulation shows what its run then
// does, the run writes only into its Include folders, and Undo, after the
// person has changed some of what the run copied, gives back what they did
// not touch and keeps what they made.

#include "ui_TfrmStatistic08.h"
#include "ui_Vol08CopyPage.h"

#include "CopyPageFixture.h"

#include "support/AnsweringDesktop.h"
#include "support/CountersText.h"
#include "support/PagePropertyCase.h"
#include "support/PathSpellings.h"
#include "support/PermissionsAsAUser.h"
#include "support/RandomTree.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace copytests;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

class CopyPagePropertyTest : public CopyPageTest {
protected:
    std::string Shown() {
        const CreationCounters& counters = page->CopyCounters();
        return CountersText(counters, "copied") + "\n" + ListBoxContents(*frmStatistic08);
    }
    void Click(QPushButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        button->click();
    }
};

TEST_F(CopyPagePropertyTest, RunSimulationAndUndoAgreeWhateverThePersonChanges) {
    const std::vector<std::pair<QRadioButton*, std::string>> modes = {
        {controls().rdoVol08AttachMainFolderWithFiles, "main folder with files"},
        {controls().rdoVol08AttachMainFolderWithoutFiles, "main folder without files"},
        {controls().rdoVol08AttachSubFoldersOnlyWithFiles, "subfolders only with files"},
        {controls().rdoVol08AttachSubFoldersOnlyWithoutFiles, "subfolders only without files"}};
    const fs::path root = fs::path(sandbox->HostRoot('D')).parent_path();
    for (uint32_t seed : PropertySeeds(2800, 200)) {
        CaseRandom random(seed);
        CaseInputs inputs(seed);
        // As a user, whom an unreadable folder keeps out, even when the
        // tests run as root.
        PermissionsAsAUser asUser;
        AnsweringDesktop answers;
        const std::string caseName = "c" + std::to_string(seed);
        const std::string casePath = "D:\\" + caseName + "\\";
        const fs::path base = fs::path(sandbox->HostRoot('D')) / caseName;
        RandomTree tree(random, base / "O");
        tree.Fill(base / "S", 2);
        if (random.OneIn(3))
            tree.AddUnreadableFolder(base / "S");
        fs::create_directory_symlink(base / "S", base / "SL");
        // Include folders: some of their own (one holding what a copy may
        // meet), a link to one, a file, a missing one.
        const fs::path area = base / "I";
        fs::create_directories(area / "T1");
        fs::create_directories(area / "T2");
        tree.Fill(area / "T1", 1, 3);
        std::ofstream(area / "file") << "not a folder";
        fs::create_directory_symlink(area / "T2", area / "TL");

        std::vector<std::string> places = {"I\\T1", "I\\T2", "I\\TL", "I\\file", "I\\missing"};
        // Rarely, a folder the structure holds: the run must not copy into
        // its own copies.
        if (random.OneIn(6))
            for (const auto& [path, state] : TakeSnapshot(base / "S"))
                if (state.kind == EntryState::Kind::Folder && path.find("locked") == std::string::npos) {
                    std::string place = "S\\" + path;
                    std::replace(place.begin(), place.end(), '/', '\\');
                    places.push_back(place);
                }
        std::vector<std::string> lines;
        std::vector<std::string> targets;
        const int lineCount = 1 + random.Pick(3);
        for (int i = 0; i < lineCount; ++i) {
            const std::string place = random.Choose(places);
            const std::string path = casePath + place;
            const std::string line = random.OneIn(3) ? RandomSpelling(random, path) : path;
            if (std::find(lines.begin(), lines.end(), line) == lines.end())
                lines.push_back(line);
            std::string host = place;
            std::replace(host.begin(), host.end(), '\\', '/');
            std::error_code missing;
            const fs::path folder = fs::canonical(base / host, missing);
            if (!missing && fs::is_directory(folder))
                targets.push_back(RelativeTo(root, folder));
        }
        Include(lines);
        const std::string structure = casePath + (random.OneIn(4) ? "SL" : "S");
        controls().lstVol08AddFolderStructure->Clear();
        Structure(structure);
        const auto& [mode, modeName] = random.Choose(modes);
        Mode(mode);
        Refresh();
        std::string noted;
        for (const std::string& line : controls().lstVol08IncludeFolderList->Items())
            noted += " [" + line + "]";
        inputs.Note("lines" + noted);
        inputs.Note("structure " + structure + ", attach " + modeName);

        PagePropertySteps steps;
        steps.park = base / "O" / "park";
        steps.precious = tree.Precious();
        steps.simulate = [&] {
            Click(controls().btnVol08CopyFoldersSimulation);
            return Shown();
        };
        steps.run = [&] {
            Click(controls().btnVol08CopyFolders);
            return Shown();
        };
        steps.inTargets = [&](const std::string& path) {
            for (const std::string& target : targets)
                if (IsAtOrBelow(path, target) && path != target)
                    return true;
            return false;
        };
        steps.undo = [&] {
            answers.Forget();
            Click(controls().btnVol08Undo);
            inputs.Note("Undo's boxes: " + answers.ShownTexts());
        };
        const bool passed = RunPagePropertyCase(root, random, inputs, steps);
        controls().lstVol08IncludeFolderList->Clear();
        RemoveCaseFolder(base);
        if (!passed)
            break;
    }
}

} // namespace
