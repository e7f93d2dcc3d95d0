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
//     Beside it, the loop of the calls a rename that keeps what the program
//     promises must make (WatchedRenameLoop): the floor of the mechanism the
//     run uses, not of any run (target: the run at most 1.3 times that loop).
// The loops run before and after the run, in the same program, and the
// ratios are taken to their means.
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
#include <sys/inotify.h>
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

// The calls of the mechanism the run uses to rename each folder while it
// keeps what the program promises: the entry is looked at relative to its
// open parent (what it is, whose it is, and its identity for Undo, in one
// statx), renamed there without replacing anything, and the parent is
// watched, so that a name someone else gives or takes meanwhile is seen
// (whether the new name is free, letter case ignored, is then known without
// a call), which costs the kernel the events of each rename and the run one
// read of the queue. host/folder with its folders is made, then the renames
// are timed. Its ratio to the renameat loop is the floor of that mechanism,
// not of any run: a run made another way could go below it.
double WatchedRenameLoop(const std::string& host, const std::string& folder,
                         const std::vector<std::string>& names, const std::string& phase) {
    MakeFolders(host, folder, names);
    const std::string path = host + "/" + folder;
    const int parent = ::open(path.c_str(), O_RDONLY | O_DIRECTORY);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ::inotify_add_watch(watch, path.c_str(),
                        IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF);
    const double seconds = Seconds([&] {
        benchcalls::Mark(phase, "begin");
        char events[65536];
        for (const std::string& name : names) {
            struct statx look {};
            ::statx(parent, name.c_str(), AT_SYMLINK_NOFOLLOW,
                    STATX_TYPE | STATX_MODE | STATX_UID | STATX_INO | STATX_BTIME | STATX_MNT_ID, &look);
            ::renameat2(parent, name.c_str(), parent, ("p" + name).c_str(), RENAME_NOREPLACE);
            [[maybe_unused]] const ssize_t queued = ::read(watch, events, sizeof events);
        }
        benchcalls::Mark(phase, "end");
    });
    ::close(watch);
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
    const double floorBefore = WatchedRenameLoop(hostD, "Floor1", names, "floor");
    const double simulation = benchcalls::InPhase(
        "simulation", [&] { return TimedRun(c.btnVol06RenameFoldersSimulation, "0208", "0209"); });
    if (page.Vol06FoldersRenamed != count)
        std::fprintf(stderr, "the simulation renamed %.0f of %d folders\n", page.Vol06FoldersRenamed, count);
    const double run =
        benchcalls::InPhase("run", [&] { return TimedRun(c.btnVol06RenameFolders, "0206", "0207"); });
    if (page.Vol06FoldersRenamed != count || ::access((hostD + "/Run/p" + names.back()).c_str(), F_OK) != 0)
        std::fprintf(stderr, "the run renamed %.0f of %d folders\n", page.Vol06FoldersRenamed, count);
    const double floorAfter = WatchedRenameLoop(hostD, "Floor2", names, "");
    const double after = RenameatLoop(hostD, "Base2", names, "");
    const double base = (before + after) / 2;
    const double floor = (floorBefore + floorAfter) / 2;
    std::printf(
        "%d folders in a folder of as many, prefix p: renameat loop %.3f s (%.3f before, %.3f after)\n",
        count, base, before, after);
    std::printf("simulation %.3f s, ratio %.2f (target <= 3)\n", simulation, simulation / base);
    std::printf("run %.3f s, ratio %.2f (target <= 3)\n", run, run / base);
    std::printf("floor of the mechanism the run uses, not of any run (statx, then renameat2 without "
                "replacing, relative to the parent, in a watched parent): %.3f s (%.3f before, %.3f after), "
                "ratio %.2f of the renameat loop; the run is %.2f of that loop (target <= 1.3)\n",
                floor, floorBefore, floorAfter, floor / base, run / floor);
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
    benchcalls::PrintPerEntry(calls, "run against the floor", "run", "floor", counted, "folder", "folders");
    benchcalls::PrintPerEntry(calls, "undo", "undo", "baseline back", counted, "folder", "folders");
    return 0;
}
