// For random trees, ranges, destinations however they are written and attach
// options, the numbers page's simulation shows what its run then does, the
// run writes only inside its destination, and Undo, after the person has
// changed some of what the run made, gives back what they did not touch and
// keeps what they made.

#include "ui_TfrmStatistic03.h"
#include "ui_Vol03NumbersPage.h"

#include "NumbersPageFixture.h"

#include "support/AnsweringDesktop.h"
#include "support/CountersText.h"
#include "support/PagePropertyCase.h"
#include "support/PathSpellings.h"
#include "support/PermissionsAsAUser.h"
#include "support/RandomTree.h"

#include <filesystem>
#include <fstream>

using namespace numberstests;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

class NumbersPagePropertyTest : public NumbersPageTest {
protected:
    std::string Shown() {
        const CreationCounters& counters = page->Counters();
        return CountersText(counters) + "\n" + ListBoxContents(*frmStatistic03);
    }
};

TEST_F(NumbersPagePropertyTest, RunSimulationAndUndoAgreeWhateverThePersonChanges) {
    const std::vector<std::pair<QRadioButton*, std::string>> modes = {
        {controls().rdoVol03AttachMainFolderWithFiles, "main folder with files"},
        {controls().rdoVol03AttachMainFolderWithoutFiles, "main folder without files"},
        {controls().rdoVol03AttachSubFoldersOnlyWithFiles, "subfolders only with files"},
        {controls().rdoVol03AttachSubFoldersOnlyWithoutFiles, "subfolders only without files"},
        {controls().rdoVol03AttachNothing, "nothing"}};
    const fs::path root = fs::path(sandbox->HostRoot('D')).parent_path();
    for (uint32_t seed : PropertySeeds(2400, 200)) {
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

        // The destination: a folder of its own, one inside the structure, or
        // a link to a folder of its own; with numbers already taken.
        fs::path destination = base / "W";
        std::string destinationPath = "D:\\" + caseName + "\\W";
        switch (random.Pick(3)) {
        case 0:
            destination = base / "S" / "w";
            destinationPath = "D:\\" + caseName + "\\S\\w";
            fs::create_directories(destination);
            break;
        case 1:
            fs::create_directories(destination);
            fs::create_directory_symlink(destination, base / "WL");
            destinationPath = "D:\\" + caseName + "\\WL";
            break;
        default:
            fs::create_directories(destination);
            break;
        }
        if (random.OneIn(2))
            fs::create_directories(destination / "1" / "old");
        if (random.OneIn(2))
            std::ofstream(destination / "2") << "in the way";
        if (random.OneIn(3))
            fs::create_directory_symlink(tree.Precious(), destination / "3");
        if (random.OneIn(3))
            fs::create_symlink("nowhere", destination / "4");

        const std::string spelled = RandomSpelling(random, destinationPath);
        answers.ExpectModal("frmLevelSummFolder");
        page->SetDestination(spelled);
        const int start = 1 + random.Pick(3);
        const int end = start + random.Pick(3);
        SetRange(std::to_string(start), std::to_string(end));
        const std::string prefix = random.OneIn(3) ? "p" : "";
        const std::string suffix = random.OneIn(4) ? "s" : "";
        const bool hyphen = random.OneIn(2);
        controls().edtVol03Prefix->setText(QString::fromStdString(prefix));
        controls().edtVol03Suffix->setText(QString::fromStdString(suffix));
        controls().chkVol03Hyphen->setChecked(hyphen);
        controls().lstVol03AddFolderStructure->Clear();
        AddStructure("D:\\" + caseName + "\\S");
        const auto& [mode, modeName] = random.Choose(modes);
        Choose(mode);
        inputs.Note("destination '" + spelled + "', numbers " + std::to_string(start) + " to " +
                    std::to_string(end) + ", prefix '" + prefix + "', suffix '" + suffix + "', hyphen " +
                    (hyphen ? "on" : "off") + ", structure D:\\" + caseName + "\\S, attach " + modeName);

        const std::string target = RelativeTo(root, fs::canonical(destination));
        PagePropertySteps steps;
        steps.park = base / "O" / "park";
        steps.precious = tree.Precious();
        steps.simulate = [&] {
            Click(controls().btnVol03CreateFoldersSimulation);
            return Shown();
        };
        steps.run = [&] {
            Click(controls().btnVol03CreateFolders);
            return Shown();
        };
        steps.inTargets = [&](const std::string& path) {
            return IsAtOrBelow(path, target) && path != target;
        };
        steps.undo = [&] {
            answers.Forget();
            Click(controls().btnVol03Undo);
            inputs.Note("Undo's boxes: " + answers.ShownTexts());
        };
        const bool passed = RunPagePropertyCase(root, random, inputs, steps);
        RemoveCaseFolder(base);
        if (!passed)
            break;
    }
}

} // namespace
