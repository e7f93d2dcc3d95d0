// For random trees, item lists and attach options, the strings page's
// simulation shows what its run then does, the run writes only inside its
// destination, and Undo, after the person has changed some of what the run
// made, gives back what they did not touch and keeps what they made.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "platform/Drives.h"
#include "support/AnsweringDesktop.h"
#include "support/CountersText.h"
#include "support/PagePropertyCase.h"
#include "support/PermissionsAsAUser.h"
#include "support/RandomTree.h"

#include <filesystem>
#include <fstream>
#include <set>

using namespace createtests;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

class StringsPagePropertyTest : public StringsPageTest {
protected:
    std::string Shown() {
        const CreationCounters& counters = page->Counters();
        return CountersText(counters) + "\n" + ListBoxContents(*frmStatistic02);
    }
};

TEST_F(StringsPagePropertyTest, RunSimulationAndUndoAgreeWhateverThePersonChanges) {
    const std::vector<std::pair<QRadioButton*, std::string>> modes = {
        {controls().rdoVol02AttachMainFolderWithFiles, "main folder with files"},
        {controls().rdoVol02AttachMainFolderWithoutFiles, "main folder without files"},
        {controls().rdoVol02AttachSubFoldersOnlyWithFiles, "subfolders only with files"},
        {controls().rdoVol02AttachSubFoldersOnlyWithoutFiles, "subfolders only without files"},
        {controls().rdoVol02AttachNothing, "nothing"}};
    const std::vector<std::string> pool = {"a",       "A",         "b",        "dup", "new\\deep",  "new",
                                           "sub",     "sub\\more", "x y",      "S",   "f.txt",      "file",
                                           "file\\x", "flink\\x",  "dlink\\y", "Q",   "..\\escape", "nul"};
    const fs::path root = fs::path(sandbox->HostRoot('D')).parent_path();
    for (uint32_t seed : PropertySeeds(2300, 200)) {
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
        // a link to a folder of its own; with entries that are in the way.
        fs::path destination = base / "W";
        std::string destinationHost = destination.string();
        switch (random.Pick(3)) {
        case 0:
            destination = base / "S" / "w";
            destinationHost = destination.string();
            break;
        case 1:
            destinationHost = (base / "WL").string();
            break;
        default:
            break;
        }
        fs::create_directories(destination);
        if (destinationHost != destination.string())
            fs::create_directory_symlink(destination, destinationHost);
        tree.Fill(destination, 1, 3);
        if (!fs::exists(fs::symlink_status(destination / "file")))
            std::ofstream(destination / "file") << "in the way";
        if (!fs::exists(fs::symlink_status(destination / "flink")))
            fs::create_symlink(tree.Outside() / "outside.txt", destination / "flink");
        if (!fs::exists(fs::symlink_status(destination / "dlink")))
            fs::create_symlink("nowhere", destination / "dlink");
        if (random.OneIn(2) && !fs::exists(fs::symlink_status(destination / "dup")))
            fs::create_directories(destination / "dup" / "old");

        controls().lstVol02IncludeStrings->Clear();
        controls().lstVol02AddFolderStructure->Clear();
        const std::string destinationPath = *platform::ToWindowsPath(destinationHost);
        SetDestination(destinationPath);
        inputs.Note("destination " + destinationPath);
        const int itemCount = 1 + random.Pick(5);
        for (int i = 0; i < itemCount; ++i) {
            const std::string& item = random.Choose(pool);
            if (!controls().lstVol02IncludeStrings->Contains(item))
                AddItems({item});
        }
        std::string items;
        for (const std::string& item : controls().lstVol02IncludeStrings->Items())
            items += " [" + item + "]";
        inputs.Note("items" + items);
        const std::string prefix = random.OneIn(3) ? "p" : "";
        const std::string suffix = random.OneIn(4) ? "s" : "";
        controls().edtVol02Prefix->setText(QString::fromStdString(prefix));
        controls().edtVol02Suffix->setText(QString::fromStdString(suffix));
        controls().chkVol02Hyphen->setChecked(random.OneIn(2));
        AddStructure("D:\\" + caseName + "\\S");
        const auto& [mode, modeName] = random.Choose(modes);
        Choose(mode);
        inputs.Note("structure D:\\" + caseName + "\\S, attach " + modeName + ", prefix '" + prefix +
                    "', suffix '" + suffix + "'");

        const std::string target = RelativeTo(root, fs::canonical(destination));
        std::set<std::string> created;
        PagePropertySteps steps;
        steps.park = base / "O" / "park";
        steps.precious = tree.Precious();
        steps.simulate = [&] {
            Click(controls().btnVol02CreateFoldersSimulation);
            return Shown();
        };
        steps.run = [&] {
            Click(controls().btnVol02CreateFolders);
            for (const std::string& folder : page->ResultLists().Created.Folders)
                if (std::optional<std::string> host = platform::ToHostPath(folder))
                    created.insert(RelativeTo(root, fs::weakly_canonical(*host)));
            return Shown();
        };
        steps.inTargets = [&](const std::string& path) {
            return IsAtOrBelow(path, target) && path != target;
        };
        steps.undo = [&] {
            answers.Forget();
            Click(controls().btnVol02Undo);
            inputs.Note("Undo's boxes: " + answers.ShownTexts());
        };
        // A run makes the parents of an item with a backslash, and Undo
        // removes only the folders it lists.
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
    frmStatistic02->hide();
}

} // namespace
