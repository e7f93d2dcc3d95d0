// What the paths page's create run and its list-file loading cost over the
// plainest code that does the same work. The page's real handlers run on the
// offscreen platform in the program's own windows, against a drive sandbox,
// with a scripted desktop that answers the boxes and lets Qt process pending
// events, and with "Visual Log" ticked.
//
//  1. 100,000 lines spread over 1,000 existing parent folders, "Attach
//     Nothing.", a prefix and a suffix, against a loop of mkdir() over the
//     same final paths (target: at most 1.5 times). The baseline runs before
//     and after the run and the ratio is taken to their mean, as the disk's
//     speed drifts while other work runs on the machine.
//     Beside it, the loop of the calls the runs' own way of making a folder
//     needs (WatchedMkdirLoop): the floor of that mechanism, not of any run.
//  2. Loading a list file of 100,000 paths with the hidden Open button,
//     against reading the same file with getline into a hash set (target: at
//     most 20 times).
//  3. The process's peak memory after the 100,000-line run (target: 250 MB).
//  4. One line of 1,000 names: its simulation against its run (target: at
//     most 2 times).
//
// The drives lie on a RAM file system unless `--disk` is given. The system
// calls per created folder of the run and its baseline are counted in a
// second run of 10,000 lines under strace (`--no-calls` leaves it out).

#include "BenchProgram.h"
#include "BenchTree.h"
#include "create/paths/TfrmStatistic04.h"
#include "create/paths/Vol04PathsPage.h"
#include "support/ScriptedDesktop.h"
#include "ui/ListBox.h"

#include "ui_Vol04PathsPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

using namespace benchtree;
using namespace benchprogram;

// "Parent0042\Line012345": line i lies in parent i mod `parents`.
std::vector<std::string> Relatives(int count, int parents) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(count));
    char buffer[64];
    for (int i = 0; i < count; ++i) {
        std::snprintf(buffer, sizeof buffer, "Parent%04d\\Line%06d", i % parents, i);
        lines.emplace_back(buffer);
    }
    return lines;
}

void MakeParents(const std::string& hostFolder, int parents) {
    ::mkdir(hostFolder.c_str(), 0755);
    char buffer[32];
    for (int p = 0; p < parents; ++p) {
        std::snprintf(buffer, sizeof buffer, "/Parent%04d", p);
        ::mkdir((hostFolder + buffer).c_str(), 0755);
    }
}

} // namespace

int main(int argc, char** argv) {
    ProgramBench program(argc, argv);
    const std::string hostD = program.HostRoot('D');

    frmMain->show();
    Vol04PathsPage& page = frmMain->PathsPage();
    Ui::Vol04PathsPage& c = page.Controls();
    QCoreApplication::processEvents();

    // Smaller counts can be given for a quick look: paths_run [lines] [parents].
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int parents = argc > 2 ? std::atoi(argv[2]) : 1000;
    const std::vector<std::string> relatives = Relatives(count, parents);

    // 1. The run. The baseline makes the same final names: "P-Line012345-S".
    std::vector<std::string> finalNames;
    finalNames.reserve(relatives.size());
    for (const std::string& relative : relatives) {
        const size_t cut = relative.find('\\');
        finalNames.push_back(relative.substr(0, cut) + "/P-" + relative.substr(cut + 1) + "-S");
    }
    // The calls of the first loop are counted, the parents' creation aside.
    auto mkdirLoop = [&](const std::string& folder, const std::string& phase) {
        MakeParents(hostD + "/" + folder, parents);
        return Seconds([&] {
            benchcalls::Mark(phase, "begin");
            MkdirEach(hostD, folder, finalNames);
            benchcalls::Mark(phase, "end");
        });
    };
    double before1 = mkdirLoop("Base1", "baseline");

    MakeParents(hostD + "/Run1", parents);
    std::vector<std::string> lines;
    lines.reserve(relatives.size());
    for (const std::string& relative : relatives)
        lines.push_back("D:\\Run1\\" + relative);
    c.lstVol04IncludeFolderList->Clear();
    c.lstVol04IncludeFolderList->AddItems(lines);
    c.rdoVol04AttachNothing->setChecked(true);
    c.chkVol04ViewDetailedResults->setChecked(true);
    c.chkVol04Hyphen->setChecked(true);
    c.edtVol04Prefix->setText("P");
    c.edtVol04Suffix->setText("S");
    page.RefreshAfterListChange();
    double run1 =
        benchcalls::InPhase("run", [&] { return TimedRun(c.btnVol04CreateFolders, "0061", "0062"); });
    if (page.Counters().Created.Folders != static_cast<double>(count))
        std::fprintf(stderr, "run created %.0f of %d folders\n", page.Counters().Created.Folders, count);
    double peak = PeakMegabytes();
    double after1 = mkdirLoop("Base1b", "");
    double base1 = (before1 + after1) / 2;
    std::printf("%d lines over %d parents, Attach Nothing, prefix and suffix: run %.3f s, mkdir loop %.3f s "
                "(%.3f before, %.3f after), ratio %.2f (target <= 1.5)\n",
                count, parents, run1, base1, before1, after1, run1 / base1);
    MakeParents(hostD + "/Floor1", parents);
    const double floor1 = WatchedMkdirLoop(hostD, "Floor1", finalNames);
    std::printf("floor of the mechanism the runs use, not of any run (mkdirat relative to the parent, statx, "
                "in a watched parent): %.3f s, ratio %.2f of the mkdir loop; the run is %.2f of that loop\n",
                floor1, floor1 / base1, run1 / floor1);
    std::printf("peak memory after the %d-line run: %.1f MB, ratio %.2f of 250 MB (target <= 250)\n", count,
                peak, peak / 250.0);
    std::fflush(stdout);
    frmStatistic04->hide();

    // 2. Loading a list file of as many paths.
    const std::string listHost = hostD + "/list.txt";
    {
        std::ofstream out(listHost, std::ios::binary);
        for (const std::string& relative : relatives)
            out << "D:\\Listed\\" << relative << "\n";
    }
    double baseline2 = Seconds([&] {
        std::ifstream in(listHost, std::ios::binary);
        std::unordered_set<std::string> seen;
        std::string line;
        while (std::getline(in, line))
            seen.insert(line);
        if (seen.size() != static_cast<size_t>(count))
            std::fprintf(stderr, "baseline read %zu lines\n", seen.size());
    });
    c.lstVol04IncludeFolderList->Clear();
    double open2 = 0;
    {
        testsupport::ScriptedDesktop desktop;
        desktop.OnProcessMessages([] { ui::ProcessPendingEventsWhenDue(); });
        desktop.ExpectOpenFile("D:\\list.txt");
        desktop.ExpectBox("0050", ui::Answer::Yes);
        desktop.ExpectMessage("End of the loading process.");
        open2 = Seconds([&] { c.btnVol04Open->click(); });
    }
    if (c.lstVol04IncludeFolderList->Count() != count)
        std::fprintf(stderr, "Open loaded %d of %d lines\n", c.lstVol04IncludeFolderList->Count(), count);
    std::printf(
        "loading a list file of %d paths with Open: %.3f s, getline into a hash set %.3f s, ratio %.2f "
        "(target <= 20)\n",
        count, open2, baseline2, open2 / baseline2);

    // 4. One line of 1,000 names: its simulation against its run, which
    // makes every level; a simulation that looked up each level anew at every
    // level would grow with the cube of the depth.
    std::string deep = "D:\\Deep";
    for (int level = 0; level < 1000; ++level)
        deep += "\\x";
    c.lstVol04IncludeFolderList->Clear();
    c.lstVol04IncludeFolderList->AddItems({deep});
    c.edtVol04Prefix->setText("");
    c.edtVol04Suffix->setText("");
    page.RefreshAfterListChange();
    const double simulated4 = TimedRun(c.btnVol04CreateFoldersSimulation, "0473", "0475");
    const double run4 = TimedRun(c.btnVol04CreateFolders, "0061", "0062");
    frmStatistic04->hide();
    std::printf("one line of 1000 names: simulation %.3f s, run %.3f s, ratio %.2f (target <= 2)\n",
                simulated4, run4, simulated4 / run4);
    std::fflush(stdout);

    const int counted = std::min(count, 10000);
    const benchcalls::Phases calls =
        program.CountCalls({std::to_string(counted), std::to_string(std::min(parents, counted))});
    benchcalls::PrintPerEntry(calls, "Attach Nothing", "run", "baseline", counted, "folder", "folders");
    return 0;
}
