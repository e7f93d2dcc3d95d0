// The copy run and its simulation. Each Include folder that exists gets every
// chosen structure copied into it by the attach walk (never overwriting, never
// descending through a link or into what the run created); the simulation
// counts the same without touching the disk. The run records what it adds for
// Undo.

#include "manage/copy/Vol08CopyPage.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathValidation.h"
#include "create/engine/PageRunGuard.h"
#include "create/engine/RepaintThrottle.h"
#include "manage/copy/TfrmStatistic08.h"
#include "platform/FileSystem.h"
#include "ui/Colors.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmStatistic08.h"
#include "ui_Vol08CopyPage.h"

#include <QProgressBar>

#include <unordered_set>

namespace {

const std::string Title = "Copy Folder Structure(s).-From a Folder List - Level.";
const std::string SimulationTitle = "Simulate Copy Folder Structure(s).-From a Folder List - Level.";
const std::string Blanks12 = "            ";

// The tabs a run disables, so that no other page is used meanwhile.
const std::vector<std::string> RunDisabledTabs = {"tabFolderCreate05",  "tabFolderCreate04",
                                                  "tabFolderCreate03",  "tabFolderCreate01",
                                                  "tabFoldersRename01", "tabFoldersDelete01"};

std::string Caption(bool realRun, const std::string& kind, const std::string& number) {
    return (realRun ? Title : SimulationTitle) + Blanks12 + kind + " no: " + number + ".";
}

} // namespace

bool Vol08CopyPage::PrepareRun(bool realRun) {
    const std::vector<std::string> structures = StructureItems();
    if (structures.empty()) {
        ui::ShowBox(
            this, Caption(realRun, "Warning", realRun ? "0282" : "0298"),
            "There is no Folder Structure to copy !\nAction : You must add at least one Folder Structure.",
            ui::Icon::Warning);
        ui_->btnVol08AddFolderStructure->setFocus();
        return false;
    }
    for (const std::string& structure : structures) {
        if (!DirectoryExists(Trim(structure))) {
            ui::ShowBox(this, Caption(realRun, "Warning", realRun ? "0283" : "0299"),
                        "The folder doesn't exist : " + structure +
                            "\nAction : Please enter or select an existing folder.",
                        ui::Icon::Warning);
            ui_->btnVol08AddFolderStructure->setFocus();
            return false;
        }
    }
    // The counters to copy are those of the lists and disks as they are now.
    ResetVol08Counters();
    const bool planned = CountVol08ToCopy(WithFilesModeChecked());
    ShowCountersEverywhere();
    if (!planned)
        return false;
    const std::string question = realRun
                                     ? "Do you want to copy the Folder Structure(s) to the Folders of the "
                                       "Include List ?\n"
                                     : "Do you want to simulate copying the Folder Structure(s) to the "
                                       "Folders of the Include List ?\n";
    return ui::ShowBox(this, Caption(realRun, "Information", realRun ? "0284" : "0289"), question,
                       ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes;
}

void Vol08CopyPage::CopyIntoFolder(const std::string& line, AttachMode mode,
                                   const std::vector<std::string>& structures, bool realRun) {
    const std::string folder = ExcludeTrailingPathDelimiter(Trim(line));
    if (ExtractFileDrive(folder).empty() || !DirectoryExists(folder)) {
        block_.RecordOther(folder, nullptr);
        return;
    }
    for (const std::string& structure : structures) {
        std::string refusal;
        if (CheckSourceNotDestination(folder, structure, refusal)) {
            RepaintPause showCounters(block_.Repaints());
            ui::ShowBox(this, Caption(realRun, "Warning", realRun ? "0285" : "0265"), refusal,
                        ui::Icon::Warning);
            continue;
        }
        const std::string target =
            AttachesTopFolder(mode) ? folder + "\\" + ExtractFileName(Trim(structure)) : folder;
        walk_.AttachTargetRoot = ExcludeTrailingPathDelimiter(target);
        if (TopFolderBlocked(walk_.AttachTargetRoot)) {
            CountStructureNotCopied(structure, mode);
            continue;
        }
        if (realRun) {
            if (!DirectoryExists(walk_.AttachTargetRoot))
                walk_.AddOwnFolder(walk_.AttachTargetRoot);
            walk_.CopyFolderStructure(structure, mode);
            RecordIdentities();
        } else {
            walk_.SimulateCopyFolderStructure(structure, mode);
        }
    }
    block_.RecordCreated(folder);
}

bool Vol08CopyPage::TopFolderBlocked(const std::string& target) {
    return platform::GetFileAttributesA(target) != platform::INVALID_FILE_ATTRIBUTES &&
           !DirectoryExists(target);
}

void Vol08CopyPage::CountStructureNotCopied(const std::string& structure, AttachMode mode) {
    // A file of the structure's name already sits where its folder would go:
    // none of the structure can be copied there, and run and simulation alike
    // count all of it, the folder first, under other reasons.
    FolderTreeScanner scanner(Trim(structure));
    scanner.SetCountRootFolder(true);
    scanner.RunWithPatterns();
    CounterRow& other = block_.Counters.Other;
    other.SubFolders += scanner.GetFolderCount();
    if (AttachesFiles(mode)) {
        other.Files += scanner.GetMatchedFileCount();
        other.FilesSize += static_cast<double>(scanner.GetMatchedBytes());
    }
    block_.RefreshBoth();
}

void Vol08CopyPage::EndRunBox(bool realRun) {
    std::string text =
        realRun ? "End of Copying Folders/Files !!!" : "End of Simulating the Copy of Folders/Files !!!";
    ui::Icon icon = ui::Icon::Information;
    const CounterRow& other = block_.Counters.Other;
    if (other.SubFolders > 0 || other.Files > 0) {
        text += "\n" + FloatToStr(other.SubFolders) + " subfolder(s) and " + FloatToStr(other.Files) +
                (realRun ? " file(s) could not be copied." : " file(s) could not be copied by a run.");
        icon = ui::Icon::Warning;
    }
    ui::ShowBox(this, Caption(realRun, "Information", realRun ? "0286" : "0266"), text, icon);
}

void Vol08CopyPage::btnVol08CopyFoldersClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);
    if (!PrepareRun(true))
        return;
    RunCopy(true);
}

void Vol08CopyPage::btnVol08CopyFoldersSimulationClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);
    if (!PrepareRun(false))
        return;
    RunCopy(false);
}

void Vol08CopyPage::RunCopy(bool realRun) {
    BindStatisticsWindow();
    ResetVol08Results();
    block_.ClearResultLists();
    block_.ClearStatisticLists();
    walk_.ClearOwnFolders();
    if (realRun) {
        // Undo takes back only the last run.
        ClearUndoLists();
    }
    if (frmStatistic08) {
        Ui::TfrmStatistic08& statistics = frmStatistic08->Controls();
        statistics.chkStat08NormalSimulate->setChecked(realRun);
        ui::SetFontColor(statistics.lblVol08NormalSimulate, 128);
        statistics.lblVol08NormalSimulate->setText(realRun ? "Folder/File Copy Process."
                                                           : "Simulate the Folder/File Copy Process.");
        if (ui_->chkVol08ShowDetailedResults->isChecked())
            frmStatistic08->show();
    }
    ShowCountersEverywhere();

    OtherTabsDisabled tabs(mainWindow_, RunDisabledTabs);
    const AttachMode mode = SelectedAttachMode();
    const std::vector<std::string> structures = StructureItems();
    // Each folder once, in list order, however often the list names it.
    std::vector<std::string> folders;
    std::unordered_set<std::string> seen;
    for (const std::string& line : ui_->lstVol08IncludeFolderList->Items())
        if (!Trim(line).empty() && seen.insert(ui::FoldCase(Trim(line))).second)
            folders.push_back(line);
    {
        RepaintRunScope repaints(block_.Repaints(), {window(), frmStatistic08}, {ui_->pbVol08ProgressBar});
        QProgressBar& progress = *ui_->pbVol08ProgressBar;
        progress.setMaximum(static_cast<int>(folders.size()));
        progress.setValue(0);
        progress.show();
        for (size_t i = 0; i < folders.size(); ++i) {
            progress.setValue(static_cast<int>(i));
            ui::desktop().ProcessMessages();
            CopyIntoFolder(folders[i], mode, structures, realRun);
        }
        progress.setValue(static_cast<int>(folders.size()));
    }
    ui_->pbVol08ProgressBar->hide();
    ShowCountersEverywhere();
    EndRunBox(realRun);
}
