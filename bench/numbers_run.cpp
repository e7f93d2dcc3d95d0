// What the increased-numbers page's create run costs over the plainest code
// that does the same work on disk. The page's real handler runs on the
// offscreen platform in the program's own windows, against a drive sandbox,
// with a scripted desktop that answers the question and the end box and lets
// Qt process pending events at every number, and with "Visual Log" ticked, so
// the statistics window is shown and filled as the run goes.
//
//  1. 1 to 100,000, padded, "Attach Nothing.", against a loop of mkdir() over
//     the same names in a fresh folder (target: at most 1.2 times).
//  2. 1 to 1,000, "Main Folders and their Subfolders - With Files.", a
//     structure of 50 folders and 200 files of 4 KB, against a loop of mkdir()
//     and read()/write() copies that makes the same tree (target: at most 1.3).
//  3. The process's peak memory after the 100,000-number run (target: 200 MB).
//
// Each baseline runs before and after its run, in the same program, and the
// ratio is taken to their mean: the disk's speed drifts while other work runs
// on the machine, and creating many entries costs the host more for a while
// after many were deleted.

#include "app/ProgramWindows.h"
#include "app/TfrmMain.h"
#include "create/numbers/TfrmStatistic03.h"
#include "create/numbers/Vol03NumbersPage.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_Vol03NumbersPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
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

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

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

void CopyPlain(const std::string& from, const std::string& to) {
    int in = ::open(from.c_str(), O_RDONLY);
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(in, buffer, sizeof buffer)) > 0) {
        if (::write(out, buffer, static_cast<size_t>(n)) != n)
            break;
    }
    ::close(in);
    ::close(out);
}

struct Structure {
    std::vector<std::string> folders; // relative, parents first
    std::vector<std::string> files;   // relative
};

// 50 folders (5 at the top, 9 below each) and 200 files of 4 KB, 4 in each folder.
Structure MakeStructure(const std::string& hostRoot) {
    Structure s;
    ::mkdir(hostRoot.c_str(), 0755);
    for (int top = 0; top < 5; ++top) {
        std::string t = "Top" + std::to_string(top);
        s.folders.push_back(t);
        for (int sub = 0; sub < 9; ++sub)
            s.folders.push_back(t + "/Sub" + std::to_string(sub));
    }
    std::string content(4096, 'x');
    for (const std::string& folder : s.folders) {
        ::mkdir((hostRoot + "/" + folder).c_str(), 0755);
        for (int f = 0; f < 4; ++f) {
            std::string file = folder + "/file" + std::to_string(f) + ".dat";
            int fd = ::open((hostRoot + "/" + file).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (::write(fd, content.data(), content.size()) < 0)
                std::perror("write");
            ::close(fd);
            s.files.push_back(file);
        }
    }
    return s;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
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

        testsupport::ScriptedDesktop desktop;
        desktop.OnProcessMessages([] { QCoreApplication::processEvents(); });
        desktop.ExpectBox("0093", ui::Answer::Yes);
        desktop.ExpectBox("0094");
        double seconds = Seconds([&] { c_.btnVol03CreateFolders->click(); });
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
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testsupport::EnsureProgramWindows();
    testsupport::DriveSandbox sandbox("CD");
    const std::string hostD = sandbox.HostRoot('D');

    frmMain->show();
    frmMain->ShowTab("tabFolderCreate04");
    Vol03NumbersPage& page = frmMain->NumbersPage();
    Bench bench(page);
    QCoreApplication::processEvents();

    // Smaller counts can be given for a quick look: numbers_run [numbers] [numbers with structure].
    const int manyCount = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int fewCount = argc > 2 ? std::atoi(argv[2]) : 1000;

    // 1. 1 to 100,000, padded, nothing attached.
    const std::vector<std::string> many = PaddedNumbers(manyCount);
    auto mkdirLoop = [&](const std::string& folder) {
        ::mkdir((hostD + "/" + folder).c_str(), 0755);
        return Seconds([&] {
            for (const std::string& name : many)
                ::mkdir((hostD + "/" + folder + "/" + name).c_str(), 0755);
        });
    };
    double before1 = mkdirLoop("Base1");
    ::mkdir((hostD + "/Run1").c_str(), 0755);
    double run1 = bench.Run("D:\\Run1", manyCount, page.Controls().rdoVol03AttachNothing, "");
    double peak = PeakMegabytes();
    double after1 = mkdirLoop("Base1b");
    double base1 = (before1 + after1) / 2;
    std::printf("1 to %d, padded, Attach Nothing: run %.3f s, mkdir loop %.3f s (%.3f before, %.3f after), "
                "ratio %.2f (target <= 1.2)\n",
                manyCount, run1, base1, before1, after1, run1 / base1);
    std::printf("peak memory after the %d-number run: %.1f MB (target <= 200)\n", manyCount, peak);
    std::fflush(stdout);
    frmStatistic03->hide();

    // 2. 1 to 1,000 with a structure of 50 folders and 200 files.
    const std::vector<std::string> few = PaddedNumbers(fewCount);
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
    double before2 = copyLoop("Base2");
    ::mkdir((hostD + "/Run2").c_str(), 0755);
    double run2 =
        bench.Run("D:\\Run2", fewCount, page.Controls().rdoVol03AttachMainFolderWithFiles, "D:\\Struct");
    double after2 = copyLoop("Base2b");
    double base2 = (before2 + after2) / 2;
    std::printf("1 to %d x (50 folders, 200 files of 4 KB), Main Folders With Files: run %.3f s, "
                "mkdir+copy loop %.3f s (%.3f before, %.3f after), ratio %.2f (target <= 1.3)\n",
                fewCount, run2, base2, before2, after2, run2 / base2);
    std::printf("created: %.0f folders, %.0f subfolders, %.0f files, %.0f bytes\n",
                page.Counters().Created.Folders, page.Counters().Created.SubFolders,
                page.Counters().Created.Files, page.Counters().Created.FilesSize);
    frmStatistic03->hide();
    frmMain->hide();
    testsupport::ScriptedDesktop quiet;
    DestroyProgramWindows();
    return 0;
}
