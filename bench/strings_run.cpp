// What the strings page's create run costs over the plainest code that does
// the same work on disk. The page's real handler runs on the offscreen
// platform in the program's own windows, against a drive sandbox, with a
// scripted desktop that answers the question and the end box and lets Qt
// process pending events at every item, and with "Visual Log" ticked, so the
// statistics window is shown and filled as the run goes.
//
//  1. 100,000 items, "Attach Nothing.", against a loop of mkdir() over the
//     same names in a fresh folder (target: at most 1.5 times).
//     Beside it, the loop of the calls the runs' own way of making a folder
//     needs (WatchedMkdirLoop): the floor of that mechanism, not of any run.
//  2. 1,000 items, "Main Folders and their Subfolders - With Files.", a
//     structure of 50 folders and 200 files of 4 KB, against a loop of mkdir()
//     and read()/write() copies that makes the same tree (target: at most 1.3).
//
//  3. Undo of the 100,000-item run, against `rm -r` of the baseline's folder
//     of as many folders (target: at most 2 times).
//
// Each baseline runs before and after its run, in the same program, and the
// ratio is taken to their mean: creating files and folders costs the host more
// for a while after many were deleted (by an earlier run's clean-up, say), and
// that cost fades during a measurement.
//  4. The process's peak memory after the 100,000-item run (target: 400 MB).
//
// The drives lie on a RAM file system unless `--disk` is given. The system
// calls per created folder (or entry of a structure) of each run and its
// baseline are counted in a second, smaller run under strace (`--no-calls`
// leaves it out).

#include "BenchProgram.h"
#include "BenchTree.h"
#include "common/FrameworkFiles.h"
#include "create/strings/TfrmStatistic02.h"
#include "create/strings/Vol02StringsPage.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_Vol02StringsPage.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace benchtree;
using namespace benchprogram;

class Bench {
public:
    explicit Bench(Vol02StringsPage& page) : page_(page), c_(page.Controls()) {}

    double Run(const std::string& destination, const std::vector<std::string>& items, QRadioButton* mode,
               const std::string& structure) {
        c_.lstVol02IncludeStrings->Clear();
        c_.lstVol02IncludeStrings->AddItems(items);
        c_.lstVol02AddFolderStructure->Clear();
        if (!structure.empty())
            c_.lstVol02AddFolderStructure->AddItem(structure);
        mode->setChecked(true);
        c_.cboVol02DestFolders->SetItemIndex(c_.cboVol02DestFolders->AddItem(destination));
        c_.chkVol02ViewDetailedResults->setChecked(true);
        c_.chkVol02ViewDestFolder->setChecked(false);
        page_.UpdateCreateButtons(true);

        double seconds = TimedRun(c_.btnVol02CreateFolders, "0025", "0026");
        if (page_.Counters().Created.Folders != static_cast<double>(items.size()))
            std::fprintf(stderr, "run created %.0f of %zu folders\n", page_.Counters().Created.Folders,
                         items.size());
        return seconds;
    }

private:
    Vol02StringsPage& page_;
    Ui::Vol02StringsPage& c_;
};

} // namespace

int main(int argc, char** argv) {
    ProgramBench program(argc, argv);
    const std::string hostD = program.HostRoot('D');

    frmMain->show();
    Vol02StringsPage& page = frmMain->StringsPage();
    page.SetPageControlsEnabled(true);
    Bench bench(page);
    QCoreApplication::processEvents();

    // 1. 100,000 items, nothing attached.
    // Smaller counts can be given for a quick look: strings_run [items] [items with structure].
    // The run under strace counts 10,000 and 20 items.
    const int manyCount = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int fewCount = argc > 2 ? std::atoi(argv[2]) : 1000;
    const std::vector<std::string> many = NumberedNames("Item ", manyCount);
    const Between first = MeasureBetween(
        hostD, 1, [&](const std::string& folder) { return MkdirLoop(hostD, folder, many); },
        [&](const std::string& destination) {
            return bench.Run(destination, many, page.Controls().rdoVol02AttachNothing, "");
        });
    std::printf("%d items, Attach Nothing: run %.3f s, mkdir loop %.3f s (%.3f before, %.3f after), "
                "ratio %.2f (target <= 1.5)\n",
                manyCount, first.run, first.Baseline(), first.before, first.after,
                first.run / first.Baseline());
    const double floor1 = WatchedMkdirLoop(hostD, "Floor1", many);
    std::printf("floor of the mechanism the runs use, not of any run (mkdirat relative to the parent, statx, "
                "in a watched parent): %.3f s, ratio %.2f of the mkdir loop; the run is %.2f of that loop\n",
                floor1, floor1 / first.Baseline(), first.run / floor1);
    std::printf("peak memory after the %d-item run: %.1f MB (target <= 400)\n", manyCount, first.peak);
    std::fflush(stdout);

    // 3. Undo of that run, between two rm -r of as many folders.
    auto removeAll = [&](const std::string& folder) {
        const std::string command = "rm -r '" + hostD + "/" + folder + "'";
        return Seconds([&] {
            if (std::system(command.c_str()) != 0)
                std::fprintf(stderr, "%s failed\n", command.c_str());
        });
    };
    const double rmBefore = benchcalls::InPhase("rm -r", [&] { return removeAll("Base1"); });
    const double undo =
        benchcalls::InPhase("undo", [&] { return TimedRun(page.Controls().btnVol02Undo, "0029", "0031"); });
    const double rmAfter = removeAll("Base1b");
    const double rm = (rmBefore + rmAfter) / 2;
    if (DirectoryExists("D:\\Run1\\" + many.front()))
        std::fprintf(stderr, "undo left the run's folders\n");
    std::printf("Undo of the %d-item run: %.3f s, rm -r %.3f s (%.3f before, %.3f after), ratio %.2f "
                "(target <= 2)\n",
                manyCount, undo, rm, rmBefore, rmAfter, undo / rm);
    std::fflush(stdout);
    frmStatistic02->hide();

    // 2. 1,000 items with a structure of 50 folders and 200 files.
    const std::vector<std::string> few = NumberedNames("Item ", fewCount);
    const std::string structureHost = hostD + "/Struct";
    const Structure structure = MakeStructure(structureHost);
    const Between second = MeasureBetween(
        hostD, 2,
        [&](const std::string& folder) { return CopyLoop(hostD, folder, few, structureHost, structure); },
        [&](const std::string& destination) {
            return bench.Run(destination, few, page.Controls().rdoVol02AttachMainFolderWithFiles,
                             "D:\\Struct");
        });
    std::printf("%d items x (50 folders, 200 files of 4 KB), Main Folders With Files: run %.3f s, "
                "mkdir+copy loop %.3f s (%.3f before, %.3f after), ratio %.2f (target <= 1.3)\n",
                fewCount, second.run, second.Baseline(), second.before, second.after,
                second.run / second.Baseline());
    std::printf("created: %.0f folders, %.0f subfolders, %.0f files, %.0f bytes\n",
                page.Counters().Created.Folders, page.Counters().Created.SubFolders,
                page.Counters().Created.Files, page.Counters().Created.FilesSize);
    frmStatistic02->hide();

    const int countedMany = std::min(manyCount, 10000), countedFew = std::min(fewCount, 20);
    const benchcalls::Phases calls =
        program.CountCalls({std::to_string(countedMany), std::to_string(countedFew)});
    benchcalls::PrintPerEntry(calls, "Attach Nothing", "run1", "baseline1", countedMany, "folder", "folders");
    benchcalls::PrintPerEntry(calls, "Undo", "undo", "rm -r", countedMany, "folder", "folders");
    benchcalls::PrintPerEntry(calls, "Main Folders With Files", "run2", "baseline2", countedFew * 251.0,
                              "entry", "entries");
    return 0;
}
