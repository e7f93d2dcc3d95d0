// What the subfolder list builder's Build costs on a large tree: 100,000
// folders over 8 levels, the levels 3 to 5 as whole paths, no filter, run by
// the window's own handler on the offscreen platform with the window shown.
// Two baselines are measured in the same run on the same tree: `find` asked
// for the same folders, and a plain readdir() walk down to level 5. Each
// figure is the best of several alternating rounds.

#include "BenchDesktop.h"
#include "BenchFileSystem.h"
#include "BenchWalk.h"
#include "support/DriveSandbox.h"
#include "tools/TfrmSubFolderListBuilder.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/ListBox.h"

#include "ui_TfrmSubFolderListBuilder.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <dirent.h>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int TotalFolders = 100000;
constexpr int Levels = 8;
constexpr int FanOut = 4;
constexpr int FromLevel = 3;
constexpr int ToLevel = 5;
constexpr int Rounds = 5;

// Answers every box with Yes (0580: start from an empty list, so that every
// round builds the whole list) and lets pending events run.
class BenchDesktop : public benchdesktop::BenchDesktopBase {
public:
    ui::Answer MessageBox(const ui::MessageBoxRequest& request) override {
        if (request.buttons == ui::Buttons::Ok)
            std::fprintf(stderr, "box: %s\n", request.caption.c_str());
        return ui::Answer::Yes;
    }
    ui::Answer ShowModal(ui::Form& window) override { return window.ModalResult(); }
};

// Breadth first, FanOut subfolders a folder, until TotalFolders exist; the
// last level takes what is left.
void MakeTree(const std::string& root) {
    ::mkdir(root.c_str(), 0755);
    std::deque<std::pair<std::string, int>> queue{{root, 0}};
    int made = 0;
    while (!queue.empty() && made < TotalFolders) {
        const auto [folder, level] = queue.front();
        queue.pop_front();
        if (level == Levels)
            continue;
        for (int i = 0; i < FanOut && made < TotalFolders; ++i) {
            std::string child = folder + "/Folder" + std::to_string(level + 1) + "-" + std::to_string(i);
            ::mkdir(child.c_str(), 0755);
            ++made;
            queue.emplace_back(std::move(child), level + 1);
        }
    }
}

bool IsFolder(const std::string& path, const dirent* entry) {
    if (entry->d_type != DT_UNKNOWN)
        return entry->d_type == DT_DIR;
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The plainest code that finds the same folders.
void PlainWalk(const std::string& folder, int level, std::vector<std::string>& found) {
    benchwalk::ForEachEntry(folder, [&](const std::string& path, const dirent* entry) {
        if (!IsFolder(path, entry))
            return;
        if (level + 1 >= FromLevel)
            found.push_back(path);
        if (level + 1 < ToLevel)
            PlainWalk(path, level + 1, found);
    });
}

size_t RunFind(const std::string& root) {
    const std::string command = "find '" + root + "' -mindepth " + std::to_string(FromLevel) + " -maxdepth " +
                                std::to_string(ToLevel) + " -type d";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return 0;
    size_t lines = 0;
    char buffer[65536];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        lines += static_cast<size_t>(std::count(buffer, buffer + read, '\n'));
    ::pclose(pipe);
    return lines;
}

double Milliseconds(const std::function<void()>& work) {
    return benchtree::Seconds(work) * 1000;
}

void Report(const char* what, double ours, const char* baselineName, double baseline) {
    std::printf("%-40s %9.1f ms  %-13s %9.1f ms  ratio %5.2f\n", what, ours, baselineName, baseline,
                ours / baseline);
}

} // namespace

int main(int argc, char** argv) {
    benchfs::ChooseFileSystem(argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testsupport::DriveSandbox sandbox("CD");
    BenchDesktop desktop;

    const std::string hostRoot = sandbox.Host("D:\\Src");
    std::printf("Generating %d folders over %d levels ...\n", TotalFolders, Levels);
    MakeTree(hostRoot);

    TfrmSubFolderListBuilder window;
    Ui::TfrmSubFolderListBuilder& c = window.Controls();
    window.show();
    QCoreApplication::processEvents();
    c.cboMainSourceFolder->SetText("D:\\Src");
    c.rdoFromToLevelNumber->click();
    c.edtFromLevelNumber->setText(QString::number(FromLevel));
    c.edtToLevelNumber->setText(QString::number(ToLevel));
    c.rdoBuildAllSubFolders->setChecked(true);
    c.edtSubFolderFilter->clear();

    const auto build = [&] { window.btnBuildListClick(); };
    const auto find = [&] { return RunFind(hostRoot); };
    const auto walk = [&] {
        std::vector<std::string> found;
        PlainWalk(hostRoot, 0, found);
        return found.size();
    };

    build();
    const size_t built = static_cast<size_t>(c.lstIncludeFolderList->Count());
    const size_t byFind = find();
    const size_t byWalk = walk();
    std::printf("folders of levels %d to %d: Build %zu, find %zu, readdir walk %zu\n", FromLevel, ToLevel,
                built, byFind, byWalk);
    if (built != byFind || built != byWalk || built == 0) {
        std::printf("the counts differ\n");
        return 1;
    }

    double bestBuild = 1e30, bestFind = 1e30, bestWalk = 1e30;
    for (int round = 0; round < Rounds; ++round) {
        bestFind = std::min(bestFind, Milliseconds([&] { find(); }));
        bestWalk = std::min(bestWalk, Milliseconds([&] { walk(); }));
        bestBuild = std::min(bestBuild, Milliseconds(build));
    }
    Report("Build, levels 3-5, whole paths", bestBuild, "find", bestFind);
    Report("Build, levels 3-5, whole paths", bestBuild, "readdir walk", bestWalk);
    return 0;
}
