// What the increased-numbers page's create run costs over the plainest code
// that does the same work on disk. The page's real handler runs on the
// offscreen platform in the program's own windows, against a drive sandbox,
// with a scripted desktop that answers the question and the end box and lets
// Qt process pending events at every number, and with "Visual Log" ticked, so
// the statistics window is shown and filled as the run goes.
//
//  1. 1 to 100,000, padded, "Attach Nothing.", against a loop of mkdir() over
//     the same names in a fresh folder (target: at most 1.2 times).
//     Beside it, the loop of the calls the runs' own way of making a folder
//     needs (WatchedMkdirLoop): the floor of that mechanism, not of any run.
//  2. 1 to 1,000, "Main Folders and their Subfolders - With Files.", a
//     structure of 50 folders and 200 files of 4 KB, against a loop of mkdir()
//     and read()/write() copies that makes the same tree (target: at most 1.3).
//  3. The process's peak memory after the 100,000-number run (target: 200 MB).
//
// Each baseline runs before and after its run, in the same program, and the
// ratio is taken to their mean: the disk's speed drifts while other work runs
// on the machine, and creating many entries costs the host more for a while
// after many were deleted.
//
// The drives lie on a RAM file system unless `--disk` is given. The system
// calls per created folder (or entry of a structure) of each run and its
// baseline are counted in a second, smaller run under strace (`--no-calls`
// leaves it out).

#include "BenchProgram.h"
#include "BenchTree.h"
#include "create/numbers/TfrmStatistic03.h"
#include "create/numbers/Vol03NumbersPage.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_Vol03NumbersPage.h"

#include <QCheckBox>
#include <QLineEdit>
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

// The folder names of 1 to `count`, padded to the width of `count`.
std::vector<std::string> PaddedNumbers(int count) {
    const size_t width = std::to_string(count).size();
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(count));
    for (int n = 1; n <= count; ++n) {
        std::string digits = std::to_string(n);
        names.push_back(std::string(width - digits.size(), '0') + digits);
    }
    return names;
}

class Bench {
public:
    explicit Bench(Vol03NumbersPage& page) : page_(page), c_(page.Controls()) {}

    double Run(const std::string& destination, int count, QRadioButton* mode, const std::string& structure) {
        c_.lstVol03AddFolderStructure->Clear();
        if (!structure.empty())
            c_.lstVol03AddFolderStructure->AddItem(structure);
        mode->setChecked(true);
        c_.cboVol03DestFolders->SetItemIndex(c_.cboVol03DestFolders->AddItem(destination));
        c_.edtVol03StartNumber->setText("1");
        c_.edtVol03EndNumber->setText(QString::number(count));
        c_.chkVol03PaddedZeroes->setChecked(true);
        c_.chkVol03ViewDetailedResults->setChecked(true);
        c_.chkVol03ViewDestFolder->setChecked(false);
        page_.SetNameControlsEnabled(true);
        page_.edtVol03EndNumberExit();
        page_.UpdateCreateButtons(true);

        double seconds = TimedRun(c_.btnVol03CreateFolders, "0093", "0094");
        if (page_.Counters().Created.Folders != static_cast<double>(count))
            std::fprintf(stderr, "run created %.0f of %d folders\n", page_.Counters().Created.Folders, count);
        return seconds;
    }

private:
    Vol03NumbersPage& page_;
    Ui::Vol03NumbersPage& c_;
};

} // namespace

int main(int argc, char** argv) {
    ProgramBench program(argc, argv);
    const std::string hostD = program.HostRoot('D');

    frmMain->show();
    frmMain->ShowTab("tabFolderCreate04");
    Vol03NumbersPage& page = frmMain->NumbersPage();
    Bench bench(page);
    QCoreApplication::processEvents();

    // Smaller counts can be given for a quick look: numbers_run [numbers] [numbers with structure].
    // The run under strace counts 10,000 and 20 numbers.
    const int manyCount = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int fewCount = argc > 2 ? std::atoi(argv[2]) : 1000;

    // 1. 1 to 100,000, padded, nothing attached.
    const std::vector<std::string> many = PaddedNumbers(manyCount);
    const Between first = MeasureBetween(
        hostD, 1, [&](const std::string& folder) { return MkdirLoop(hostD, folder, many); },
        [&](const std::string& destination) {
            return bench.Run(destination, manyCount, page.Controls().rdoVol03AttachNothing, "");
        });
    std::printf("1 to %d, padded, Attach Nothing: run %.3f s, mkdir loop %.3f s (%.3f before, %.3f after), "
                "ratio %.2f (target <= 1.2)\n",
                manyCount, first.run, first.Baseline(), first.before, first.after,
                first.run / first.Baseline());
    const double floor1 = WatchedMkdirLoop(hostD, "Floor1", many);
    std::printf("floor of the mechanism the runs use, not of any run (mkdirat relative to the parent, statx, "
                "in a watched parent): %.3f s, ratio %.2f of the mkdir loop; the run is %.2f of that loop\n",
                floor1, floor1 / first.Baseline(), first.run / floor1);
    std::printf("peak memory after the %d-number run: %.1f MB (target <= 200)\n", manyCount, first.peak);
    std::fflush(stdout);
    frmStatistic03->hide();

    // 2. 1 to 1,000 with a structure of 50 folders and 200 files.
    const std::vector<std::string> few = PaddedNumbers(fewCount);
    const std::string structureHost = hostD + "/Struct";
    const Structure structure = MakeStructure(structureHost);
    const Between second = MeasureBetween(
        hostD, 2,
        [&](const std::string& folder) { return CopyLoop(hostD, folder, few, structureHost, structure); },
        [&](const std::string& destination) {
            return bench.Run(destination, fewCount, page.Controls().rdoVol03AttachMainFolderWithFiles,
                             "D:\\Struct");
        });
    std::printf("1 to %d x (50 folders, 200 files of 4 KB), Main Folders With Files: run %.3f s, "
                "mkdir+copy loop %.3f s (%.3f before, %.3f after), ratio %.2f (target <= 1.3)\n",
                fewCount, second.run, second.Baseline(), second.before, second.after,
                second.run / second.Baseline());
    std::printf("created: %.0f folders, %.0f subfolders, %.0f files, %.0f bytes\n",
                page.Counters().Created.Folders, page.Counters().Created.SubFolders,
                page.Counters().Created.Files, page.Counters().Created.FilesSize);
    frmStatistic03->hide();

    const int countedMany = std::min(manyCount, 10000), countedFew = std::min(fewCount, 20);
    const benchcalls::Phases calls =
        program.CountCalls({std::to_string(countedMany), std::to_string(countedFew)});
    benchcalls::PrintPerEntry(calls, "Attach Nothing", "run1", "baseline1", countedMany, "folder", "folders");
    benchcalls::PrintPerEntry(calls, "Main Folders With Files", "run2", "baseline2", countedFew * 251.0,
                              "entry", "entries");
    return 0;
}
