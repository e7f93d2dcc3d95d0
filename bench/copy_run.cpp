// What the copy page's run costs over the plainest code that does the same
// work on disk, and over `cp -r`. The page's real handler runs on the
// offscreen platform in the program's own windows, against a drive sandbox,
// with a scripted desktop that answers the question and the end box and lets
// Qt process pending events at every folder, and with "Show Visual Log"
// ticked.
//
// A structure of 50 folders and 200 files of 4 KB is copied, in "Main Folders
// and their Subfolders - With Selected Files." (every file selected), into
// 1,000 existing Include folders, against:
//  1. a loop of mkdir() and read()/write() copies that makes the same tree
//     (target: at most 1.3 times), measured before and after the run;
//  2. `cp -r` of the structure into each folder, from one shell loop
//     (target: the run is faster).
//  3. Undo of the run, against `rm -r` of the loop's copies (target: at most
//     2 times), measured before and after Undo.
//
// The drives lie on a RAM file system unless `--disk` is given. The system
// calls per copied entry (folder or file) of the run, the loop, `cp -r`, Undo
// and `rm -r` are counted in a second run of 20 folders under strace
// (`--no-calls` leaves it out).

#include "BenchProgram.h"
#include "BenchTree.h"
#include "common/FrameworkFiles.h"
#include "common/SettingLists.h"
#include "manage/copy/TfrmStatistic08.h"
#include "manage/copy/Vol08CopyPage.h"
#include "ui/ListBox.h"

#include "ui_Vol08CopyPage.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>

using namespace benchtree;
using namespace benchprogram;

namespace {

std::vector<std::string> MakeDestinations(const std::string& host, const std::string& folder, int count) {
    std::vector<std::string> names;
    ::mkdir((host + "/" + folder).c_str(), 0755);
    for (int i = 0; i < count; ++i) {
        names.push_back(folder + "/Dest " + std::to_string(100000 + i));
        ::mkdir((host + "/" + names.back()).c_str(), 0755);
    }
    return names;
}

} // namespace

int main(int argc, char** argv) {
    ProgramBench program(argc, argv);
    const std::string hostC = program.HostRoot('C');
    const std::string hostD = program.HostRoot('D');
    SetFileNamePatternList({"*.*"});
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;

    const std::string structureHost = hostD + "/Struct";
    const Structure structure = MakeStructure(structureHost);

    // The calls of a loop are counted under `phase`, the destinations' creation aside.
    auto copyLoop = [&](const std::string& folder, const std::string& phase) {
        const std::vector<std::string> destinations = MakeDestinations(hostC, folder, count);
        return Seconds([&] {
            benchcalls::Mark(phase, "begin");
            for (const std::string& destination : destinations)
                CopyStructureInto(structureHost, structure, hostC + "/" + destination + "/Struct");
            benchcalls::Mark(phase, "end");
        });
    };
    auto removeCopies = [&](const std::string& folder, const std::string& phase) {
        const std::string command = "cd '" + hostC + "/" + folder + "' && rm -r Dest*/Struct";
        return Seconds([&] {
            benchcalls::Mark(phase, "begin");
            if (std::system(command.c_str()) != 0)
                std::fprintf(stderr, "rm -r of %s failed\n", folder.c_str());
            benchcalls::Mark(phase, "end");
        });
    };
    auto cpLoop = [&](const std::string& folder, const std::string& phase) {
        MakeDestinations(hostC, folder, count);
        const std::string command = "cd '" + hostC + "/" + folder + "' && for d in Dest*; do cp -r '" +
                                    structureHost + "' \"$d\"; done";
        return Seconds([&] {
            benchcalls::Mark(phase, "begin");
            if (std::system(command.c_str()) != 0)
                std::fprintf(stderr, "cp -r loop failed\n");
            benchcalls::Mark(phase, "end");
        });
    };

    frmMain->show();
    Vol08CopyPage& page = frmMain->CopyPage();
    Ui::Vol08CopyPage& c = page.Controls();
    std::vector<std::string> include;
    for (const std::string& name : MakeDestinations(hostC, "Run", count)) {
        std::string windows = "C:\\" + name;
        windows[windows.find('/')] = '\\';
        include.push_back(windows);
    }
    c.lstVol08IncludeFolderList->AddItems(include);
    c.lstVol08AddFolderStructure->AddItem("D:\\Struct");
    c.rdoVol08AttachMainFolderWithFiles->setChecked(true);
    c.chkVol08ShowDetailedResults->setChecked(true);
    page.RefreshVol08Page();
    QCoreApplication::processEvents();

    const double before = copyLoop("Base1", "baseline");
    const double run =
        benchcalls::InPhase("run", [&] { return TimedRun(c.btnVol08CopyFolders, "0284", "0286"); });
    const double after = copyLoop("Base2", "");
    const double cp = cpLoop("Cp", "cp -r");
    const double base = (before + after) / 2;
    const CreationCounters& counters = page.CopyCounters();
    std::printf("copied: %.0f folders, %.0f subfolders, %.0f files, %.0f bytes\n", counters.Created.Folders,
                counters.Created.SubFolders, counters.Created.Files, counters.Created.FilesSize);
    std::printf(
        "%d folders x (50 folders, 200 files of 4 KB): run %.3f s, mkdir+copy loop %.3f s (%.3f before, "
        "%.3f after), ratio %.2f (target <= 1.3)\n",
        count, run, base, before, after, run / base);
    std::printf("against cp -r: run %.3f s, cp -r loop %.3f s, ratio %.2f (target < 1)\n", run, cp, run / cp);
    std::printf("peak memory: %.1f MB\n", PeakMegabytes());
    frmStatistic08->hide();

    const double rmBefore = removeCopies("Base1", "rm -r");
    const double undo = benchcalls::InPhase("undo", [&] { return TimedRun(c.btnVol08Undo, "0291", "0293"); });
    const double rmAfter = removeCopies("Base2", "");
    const double rm = (rmBefore + rmAfter) / 2;
    if (DirectoryExists(include.front() + "\\Struct"))
        std::fprintf(stderr, "undo left the run's folders\n");
    std::printf("Undo of the run: %.3f s, rm -r %.3f s (%.3f before, %.3f after), ratio %.2f (target <= 2)\n",
                undo, rm, rmBefore, rmAfter, undo / rm);
    std::fflush(stdout);

    const int counted = std::min(count, 20);
    const benchcalls::Phases calls = program.CountCalls({std::to_string(counted)});
    benchcalls::PrintPerEntry(calls, "Main Folders With Selected Files", "run", "baseline", counted * 251.0,
                              "entry", "entries");
    benchcalls::PrintPerEntry(calls, "against cp -r", "run", "cp -r", counted * 251.0, "entry", "entries");
    benchcalls::PrintPerEntry(calls, "Undo", "undo", "rm -r", counted * 251.0, "entry", "entries");
    return 0;
}
