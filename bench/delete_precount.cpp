// How much the delete page's pre-count costs over the plainest code that does
// the same work on the host: in mode 1 ("Delete Selected Files from Main
// Folders and their Subfolders too.") with two file-name patterns over a tree
// of 100,000 entries, the page's own refresh against a recursive
// readdir()+lstat() walk that matches each file name with fnmatch(). Both run
// on the same tree in the same run; the figure is their ratio.

#include "BenchDesktop.h"
#include "BenchFileSystem.h"
#include "BenchWalk.h"
#include "common/SettingLists.h"
#include "manage/delete/Vol07DeletePage.h"
#include "support/DriveSandbox.h"
#include "tools/MainWindowServices.h"
#include "ui/ListBox.h"

#include "ui_Vol07DeletePage.h"

#include <QApplication>
#include <QRadioButton>

#include <cstdio>
#include <dirent.h>
#include <fnmatch.h>
#include <string>
#include <sys/stat.h>

namespace {

constexpr int TopFolders = 100;
constexpr int SubfoldersEach = 100; // each top folder and 99 below it: 10,000 folders
constexpr int FilesPerFolder = 9;   // 90,000 files
constexpr int Rounds = 5;
const benchwalk::TreeShape Shape{TopFolders, SubfoldersEach - 1, FilesPerFolder, {".txt", ".doc", ".bin"}};

struct Totals {
    uint64_t files = 0;
    uint64_t bytes = 0;
};

// The baseline: what any tool must do at least to find the files to delete.
void PlainWalk(const std::string& folder, Totals& totals) {
    benchwalk::ForEachEntry(folder, [&](const std::string& path, const dirent* entry) {
        struct stat info;
        if (::lstat(path.c_str(), &info) != 0)
            return;
        if (S_ISDIR(info.st_mode)) {
            PlainWalk(path, totals);
        } else if (::fnmatch("*.txt", entry->d_name, FNM_CASEFOLD) == 0 ||
                   ::fnmatch("*.doc", entry->d_name, FNM_CASEFOLD) == 0) {
            ++totals.files;
            totals.bytes += static_cast<uint64_t>(info.st_size);
        }
    });
}

class QuietMainWindow : public MainWindowServices {
public:
    void SetTabEnabled(const std::string&, bool) override {}
    void ShowTab(const std::string&) override {}
    const MainWindowTexts& Texts() const override { return texts_; }

private:
    MainWindowTexts texts_;
};

// No box is expected.
class BenchDesktop : public benchdesktop::BenchDesktopBase {
public:
    int boxes = 0;
    ui::Answer MessageBox(const ui::MessageBoxRequest&) override {
        ++boxes;
        return ui::Answer::No;
    }
    ui::Answer ShowModal(ui::Form&) override { return ui::Answer::Cancel; }
};

} // namespace

int main(int argc, char** argv) {
    benchfs::ChooseFileSystem(argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testsupport::DriveSandbox sandbox("CD");
    BenchDesktop desktop;
    const std::string hostTree = sandbox.Host("D:\\Tree");
    benchwalk::MakeTree(hostTree, Shape);
    std::printf("tree: %d folders, %d files\n", TopFolders * SubfoldersEach,
                TopFolders * SubfoldersEach * FilesPerFolder);
    SetStartDirectory("C:\\");
    SetFileNamePatternList({"*.txt", "*.doc"});
    SetFileNamePatternText("*.txt;*.doc");

    QuietMainWindow main;
    Vol07DeletePage page(main);
    page.InitialiseAtStart();
    page.Controls().lstVol07IncludeFolderList->AddItem("D:\\Tree");
    page.Controls().rdoVol07DeleteOnlyFiles->setChecked(true);
    const auto precount = [&] { page.RefreshVol07Page(); };
    const auto baseline = [&] {
        Totals totals;
        PlainWalk(hostTree, totals);
    };

    precount();
    Totals plain;
    PlainWalk(hostTree, plain);
    std::printf("plain walk: %llu files, %llu bytes\n", (unsigned long long)plain.files,
                (unsigned long long)plain.bytes);
    std::printf("pre-count:  %.0f files, %.0f bytes\n", page.Counters.Vol07FilesToDelete,
                page.Counters.Vol07BytesToDelete);
    if (plain.files != page.Counters.Vol07FilesToDelete || plain.bytes != page.Counters.Vol07BytesToDelete ||
        desktop.boxes != 0) {
        std::printf("the totals differ\n");
        return 1;
    }

    const auto [bestOurs, bestBaseline] = benchwalk::BestOf(Rounds, precount, baseline);
    std::printf("pre-count mode 1 with patterns %9.1f ms  baseline %9.1f ms  ratio %.2f\n", bestOurs * 1000,
                bestBaseline * 1000, bestOurs / bestBaseline);
    return 0;
}
