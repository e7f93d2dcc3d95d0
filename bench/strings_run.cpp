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

#include "BenchTree.h"
#include "app/ProgramWindows.h"
#include "app/TfrmMain.h"
#include "create/strings/TfrmStatistic02.h"
#include "create/strings/Vol02StringsPage.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_Vol02StringsPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace benchtree;

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

        testsupport::ScriptedDesktop desktop;
        desktop.OnProcessMessages([] { QCoreApplication::processEvents(); });
        desktop.ExpectBox("0025", ui::Answer::Yes);
        desktop.ExpectBox("0026");
        double seconds = Seconds([&] { c_.btnVol02CreateFolders->click(); });
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
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testsupport::EnsureProgramWindows();
    testsupport::DriveSandbox sandbox("CD");
    const std::string hostD = sandbox.HostRoot('D');

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
    // The disk's speed drifts while other work runs on the machine: the
    // baseline is measured before and after the run, and their mean is used.
    auto mkdirLoop = [&](const std::string& folder) {
        ::mkdir((hostD + "/" + folder).c_str(), 0755);
        return Seconds([&] {
            for (const std::string& name : many)
                ::mkdir((hostD + "/" + folder + "/" + name).c_str(), 0755);
        });
    };
    double before1 = mkdirLoop("Base1");
    ::mkdir((hostD + "/Run1").c_str(), 0755);
    double run1 = bench.Run("D:\\Run1", many, page.Controls().rdoVol02AttachNothing, "");
    double peak = PeakMegabytes();
    double after1 = mkdirLoop("Base1b");
    double base1 = (before1 + after1) / 2;
    std::printf("%d items, Attach Nothing: run %.3f s, mkdir loop %.3f s (%.3f before, %.3f after), "
                "ratio %.2f (target <= 2)\n",
                manyCount, run1, base1, before1, after1, run1 / base1);
    std::printf("peak memory after the %d-item run: %.1f MB (target <= 400)\n", manyCount, peak);
    std::fflush(stdout);
    frmStatistic02->hide();

    // 2. 1,000 items with a structure of 50 folders and 200 files.
    const std::vector<std::string> few = Names(fewCount);
    const std::string structureHost = hostD + "/Struct";
    Structure structure = MakeStructure(structureHost);
    auto copyLoop = [&](const std::string& folder) {
        ::mkdir((hostD + "/" + folder).c_str(), 0755);
        return Seconds([&] {
            for (const std::string& name : few) {
                std::string item = hostD + "/" + folder + "/" + name;
                ::mkdir(item.c_str(), 0755);
                ::mkdir((item + "/Struct").c_str(), 0755);
                for (const std::string& relative : structure.folders)
                    ::mkdir((item + "/Struct/" + relative).c_str(), 0755);
                for (const std::string& file : structure.files)
                    CopyPlain(structureHost + "/" + file, item + "/Struct/" + file);
            }
        });
    };
    // As above, the baseline is measured before and after the run.
    double before2 = copyLoop("Base2");
    ::mkdir((hostD + "/Run2").c_str(), 0755);
    double run2 = bench.Run("D:\\Run2", few, page.Controls().rdoVol02AttachMainFolderWithFiles, "D:\\Struct");
    double after2 = copyLoop("Base2b");
    double base2 = (before2 + after2) / 2;
    std::printf("%d items x (50 folders, 200 files of 4 KB), Main Folders With Files: run %.3f s, "
                "mkdir+copy loop %.3f s (%.3f before, %.3f after), ratio %.2f (target <= 1.5)\n",
                fewCount, run2, base2, before2, after2, run2 / base2);
    std::printf("created: %.0f folders, %.0f subfolders, %.0f files, %.0f bytes\n",
                page.Counters().Created.Folders, page.Counters().Created.SubFolders,
                page.Counters().Created.Files, page.Counters().Created.FilesSize);
    frmStatistic02->hide();
    frmMain->hide();
    testsupport::ScriptedDesktop quiet;
    DestroyProgramWindows();
    return 0;
}
