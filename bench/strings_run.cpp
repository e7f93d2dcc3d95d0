// What the strings page's create run costs over the plainest code that does
// the same work on disk. The page's real handler runs on the offscreen
// platform in the program's own windows, against a drive sandbox, with a
// scripted desktop that answers the question and the end box and lets Qt
// process pending events at every item, and with "Visual Log" ticked, so the
// statistics window is shown and filled as the run goes.
//
//  1. 100,000 items, "Attach Nothing.", against a loop of mkdir() over the
//     same names in a fresh folder (target: at most 2 times).
//  2. 1,000 items, "Main Folders and their Subfolders - With Files.", a
//     structure of 50 folders and 200 files of 4 KB, against a loop of mkdir()
//     and read()/write() copies that makes the same tree (target: at most 1.5).
//
// Each baseline runs before and after its run, in the same program, and the
// ratio is taken to their mean: creating files and folders costs the host more
// for a while after many were deleted (by an earlier run's clean-up, say), and
// that cost fades during a measurement.
//  3. The process's peak memory after the 100,000-item run (target: 400 MB).

#include "BenchProgram.h"
#include "BenchTree.h"
#include "create/strings/TfrmStatistic02.h"
#include "create/strings/Vol02StringsPage.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_Vol02StringsPage.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace benchtree;
using namespace benchprogram;

std::vector<std::string> Names(int count) {
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(count));
    char buffer[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(buffer, sizeof buffer, "Item %06d", i);
        names.emplace_back(buffer);
    }
    return names;
}

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
    const int manyCount = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int fewCount = argc > 2 ? std::atoi(argv[2]) : 1000;
    const std::vector<std::string> many = Names(manyCount);
    const Between first = MeasureBetween(
        hostD, 1, [&](const std::string& folder) { return MkdirLoop(hostD, folder, many); },
        [&](const std::string& destination) {
            return bench.Run(destination, many, page.Controls().rdoVol02AttachNothing, "");
        });
    std::printf("%d items, Attach Nothing: run %.3f s, mkdir loop %.3f s (%.3f before, %.3f after), "
                "ratio %.2f (target <= 2)\n",
                manyCount, first.run, first.Baseline(), first.before, first.after,
                first.run / first.Baseline());
    std::printf("peak memory after the %d-item run: %.1f MB (target <= 400)\n", manyCount, first.peak);
    std::fflush(stdout);
    frmStatistic02->hide();

    // 2. 1,000 items with a structure of 50 folders and 200 files.
    const std::vector<std::string> few = Names(fewCount);
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
                "mkdir+copy loop %.3f s (%.3f before, %.3f after), ratio %.2f (target <= 1.5)\n",
                fewCount, second.run, second.Baseline(), second.before, second.after,
                second.run / second.Baseline());
    std::printf("created: %.0f folders, %.0f subfolders, %.0f files, %.0f bytes\n",
                page.Counters().Created.Folders, page.Counters().Created.SubFolders,
                page.Counters().Created.Files, page.Counters().Created.FilesSize);
    frmStatistic02->hide();
    return 0;
}
