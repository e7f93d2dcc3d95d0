// What the rename page's run and its simulation cost over the plainest code
// that renames the same folders. The page's real handlers run on the
// offscreen platform in the program's own windows, against a drive sandbox,
// with a scripted desktop that answers the question and the end box and lets
// Qt process pending events at every line, and with "Show Visual Log" ticked.
//
// A folder of 20,000 folders, each of them an Include line, renamed with the
// prefix "p":
//  1. the simulation, against a loop of renameat() of the same names in a
//     folder of as many (target: at most 3 times);
//  2. the run, against the same loop (target: at most 3 times).
// The loop runs before and after the run, in the same program, and the
// ratios are taken to their mean.
//  3. Undo of the run, against a loop of renameat() that gives the loop's
//     folders their names back, before and after Undo (target: at most 3
//     times).
//
// The drives lie on a RAM file system unless `--disk` is given. The system
// calls per renamed folder of the simulation, the run, Undo and the loops are
// counted in a second run of 2,000 folders under strace (`--no-calls` leaves
// it out).
// A smaller count can be given for a quick look: rename_run [folders].

#include "BenchProgram.h"
#include "BenchTree.h"
#include "manage/rename/TfrmStatistic06.h"
#include "manage/rename/Vol06RenamePage.h"
#include "ui/ListBox.h"

#include "ui_Vol06RenamePage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace benchtree;
using namespace benchprogram;

namespace {

// host/folder holding a folder of each name.
void MakeFolders(const std::string& host, const std::string& folder, const std::vector<std::string>& names) {
    ::mkdir((host + "/" + folder).c_str(), 0755);
    MkdirEach(host, folder, names);
}

// The baseline: host/folder with its folders is made, then each folder is
// renamed to "p" and its name, relative to the open folder, timed.
double RenameatLoop(const std::string& host, const std::string& folder, const std::vector<std::string>& names,
                    const std::string& phase) {
    MakeFolders(host, folder, names);
    const int parent = ::open((host + "/" + folder).c_str(), O_RDONLY | O_DIRECTORY);
    const double seconds = Seconds([&] {
        benchcalls::Mark(phase, "begin");
        for (const std::string& name : names)
            ::renameat(parent, name.c_str(), parent, ("p" + name).c_str());
        benchcalls::Mark(phase, "end");
    });
    ::close(parent);
    return seconds;
}

// The folders the baseline renamed in host/folder get their names back, timed.
double RenameBackLoop(const std::string& host, const std::string& folder,
                      const std::vector<std::string>& names, const std::string& phase) {
    const int parent = ::open((host + "/" + folder).c_str(), O_RDONLY | O_DIRECTORY);
    const double seconds = Seconds([&] {
        benchcalls::Mark(phase, "begin");
        for (const std::string& name : names)
            ::renameat(parent, ("p" + name).c_str(), parent, name.c_str());
        benchcalls::Mark(phase, "end");
    });
    ::close(parent);
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    ProgramBench program(argc, argv);
    const std::string hostD = program.HostRoot('D');
    const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
    const std::vector<std::string> names = NumberedNames("Folder ", count);

    frmMain->show();
    Vol06RenamePage& page = frmMain->RenamePage();
    Ui::Vol06RenamePage& c = page.Controls();
    MakeFolders(hostD, "Run", names);
    std::vector<std::string> include;
    include.reserve(names.size());
    for (const std::string& name : names)
        include.push_back("D:\\Run\\" + name);
    c.lstVol06IncludeFolderList->AddItems(include);
    page.RefreshVol06Page();
    c.edtVol06NewPrefix->setText("p");
    c.chkVol06ShowDetailedResults->setChecked(true);
    QCoreApplication::processEvents();

    const double before = RenameatLoop(hostD, "Base1", names, "baseline");
    const double simulation = benchcalls::InPhase(
        "simulation", [&] { return TimedRun(c.btnVol06RenameFoldersSimulation, "0208", "0209"); });
    if (page.Vol06FoldersRenamed != count)
        std::fprintf(stderr, "the simulation renamed %.0f of %d folders\n", page.Vol06FoldersRenamed, count);
    const double run =
        benchcalls::InPhase("run", [&] { return TimedRun(c.btnVol06RenameFolders, "0206", "0207"); });
    if (page.Vol06FoldersRenamed != count || ::access((hostD + "/Run/p" + names.back()).c_str(), F_OK) != 0)
        std::fprintf(stderr, "the run renamed %.0f of %d folders\n", page.Vol06FoldersRenamed, count);
    const double after = RenameatLoop(hostD, "Base2", names, "");
    const double base = (before + after) / 2;
    std::printf(
        "%d folders in a folder of as many, prefix p: renameat loop %.3f s (%.3f before, %.3f after)\n",
        count, base, before, after);
    std::printf("simulation %.3f s, ratio %.2f (target <= 3)\n", simulation, simulation / base);
    std::printf("run %.3f s, ratio %.2f (target <= 3)\n", run, run / base);
    std::printf("peak memory: %.1f MB\n", PeakMegabytes());
    std::fflush(stdout);

    const double backBefore = RenameBackLoop(hostD, "Base1", names, "baseline back");
    const double undo = benchcalls::InPhase("undo", [&] { return TimedRun(c.btnVol06Undo, "0212", "0214"); });
    if (::access((hostD + "/Run/" + names.back()).c_str(), F_OK) != 0)
        std::fprintf(stderr, "undo left the run's names\n");
    const double backAfter = RenameBackLoop(hostD, "Base2", names, "");
    const double back = (backBefore + backAfter) / 2;
    std::printf(
        "undo %.3f s, renameat loop back %.3f s (%.3f before, %.3f after), ratio %.2f (target <= 3)\n", undo,
        back, backBefore, backAfter, undo / back);
    std::fflush(stdout);
    frmStatistic06->hide();

    const int counted = std::min(count, 2000);
    const benchcalls::Phases calls = program.CountCalls({std::to_string(counted)});
    benchcalls::PrintPerEntry(calls, "simulation", "simulation", "baseline", counted, "folder", "folders");
    benchcalls::PrintPerEntry(calls, "run", "run", "baseline", counted, "folder", "folders");
    benchcalls::PrintPerEntry(calls, "undo", "undo", "baseline back", counted, "folder", "folders");
    return 0;
}
