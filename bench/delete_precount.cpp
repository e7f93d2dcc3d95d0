// How much the delete page's pre-count costs over the plainest code that does
// the same work on the host: in mode 1 ("Delete Selected Files from Main
// Folders and their Subfolders too.") with two file-name patterns over a tree
// of 100,000 entries, the page's own refresh against a recursive
// readdir()+lstat() walk that matches each file name with fnmatch(). Both run
// on the same tree in the same run; the figure is their ratio.

#include "common/SettingLists.h"
#include "manage/delete/Vol07DeletePage.h"
#include "support/DriveSandbox.h"
#include "tools/MainWindowServices.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol07DeletePage.h"

#include <QApplication>
#include <QRadioButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int TopFolders = 100;
constexpr int SubfoldersEach = 100; // each top folder and 99 below it: 10,000 folders
constexpr int FilesPerFolder = 9;   // 90,000 files
constexpr int Rounds = 5;
const char* const Extensions[3] = {".txt", ".doc", ".bin"};

struct Totals {
    uint64_t files = 0;
    uint64_t bytes = 0;
};

void MakeFiles(const std::string& folder, int seed) {
    for (int i = 0; i < FilesPerFolder; ++i) {
        std::string path = folder + "/file" + std::to_string(i) + Extensions[i % 3];
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::string content((seed + i) % 200 + 1, 'x');
        if (fd >= 0) {
            ssize_t written = ::write(fd, content.data(), content.size());
            (void)written;
            ::close(fd);
        }
    }
}

void MakeTree(const std::string& root) {
    ::mkdir(root.c_str(), 0755);
    for (int top = 0; top < TopFolders; ++top) {
        std::string topFolder = root + "/Folder" + std::to_string(top);
        ::mkdir(topFolder.c_str(), 0755);
        MakeFiles(topFolder, top);
        for (int sub = 0; sub < SubfoldersEach - 1; ++sub) {
            std::string subFolder = topFolder + "/Sub" + std::to_string(sub);
            ::mkdir(subFolder.c_str(), 0755);
            MakeFiles(subFolder, top + sub);
        }
    }
}

// The baseline: what any tool must do at least to find the files to delete.
void PlainWalk(const std::string& folder, Totals& totals) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.' && (!entry->d_name[1] || (entry->d_name[1] == '.' && !entry->d_name[2])))
            continue;
        std::string path = folder + "/" + entry->d_name;
        struct stat info;
        if (::lstat(path.c_str(), &info) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            PlainWalk(path, totals);
        } else if (::fnmatch("*.txt", entry->d_name, FNM_CASEFOLD) == 0 ||
                   ::fnmatch("*.doc", entry->d_name, FNM_CASEFOLD) == 0) {
            ++totals.files;
            totals.bytes += static_cast<uint64_t>(info.st_size);
        }
    }
    ::closedir(dir);
}

double Seconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class QuietMainWindow : public MainWindowServices {
public:
    void SetTabEnabled(const std::string&, bool) override {}
    void ShowTab(const std::string&) override {}
    const MainWindowTexts& Texts() const override { return texts_; }

private:
    MainWindowTexts texts_;
};

// No box is expected; pending events run as the program's own desktop does.
class BenchDesktop : public ui::Desktop {
public:
    BenchDesktop() { previous_ = ui::SetDesktop(this); }
    ~BenchDesktop() override { ui::SetDesktop(previous_); }
    int boxes = 0;
    ui::Answer MessageBox(const ui::MessageBoxRequest&) override {
        ++boxes;
        return ui::Answer::No;
    }
    ui::Answer ShowModal(ui::Form&) override { return ui::Answer::Cancel; }
    std::string BrowseForFolder(QWidget*, const std::string&) override { return ""; }
    std::string OpenFileName(const ui::FileDialogRequest&) override { return ""; }
    std::string SaveFileName(const ui::FileDialogRequest&) override { return ""; }
    bool ShellOpen(const std::string&) override { return true; }
    void ProcessMessages() override { QCoreApplication::processEvents(); }
    void ShowFrameworkError(const std::string& text) override {
        std::fprintf(stderr, "error: %s\n", text.c_str());
    }
    void ShowMessage(const std::string&) override {}

private:
    ui::Desktop* previous_ = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testsupport::DriveSandbox sandbox("CD");
    BenchDesktop desktop;
    const std::string hostTree = sandbox.Host("D:\\Tree");
    MakeTree(hostTree);
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

    double bestOurs = 1e30, bestBaseline = 1e30;
    for (int round = 0; round < Rounds; ++round) {
        bestBaseline = std::min(bestBaseline, Seconds(baseline));
        bestOurs = std::min(bestOurs, Seconds(precount));
    }
    std::printf("pre-count mode 1 with patterns %9.1f ms  baseline %9.1f ms  ratio %.2f\n", bestOurs * 1000,
                bestBaseline * 1000, bestOurs / bestBaseline);
    return 0;
}
