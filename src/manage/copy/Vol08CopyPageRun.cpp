// The copy run and its simulation. Each Include folder that exists gets every
// chosen structure copied into it by the attach walk (never overwriting, never
// descending through a link or into what the run created); the simulation
// counts the same without touching the disk. The run records what it adds for
// Undo.

#include "manage/copy/Vol08CopyPage.h"

#include "common/BoxCaption.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathValidation.h"
#include "manage/copy/TfrmStatistic08.h"
#include "platform/FileSystem.h"
#include "runs/PageRunGuard.h"
#include "runs/RepaintThrottle.h"
#include "ui/Colors.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistic08.h"
#include "ui_Vol08CopyPage.h"

#include <QProgressBar>

#include <algorithm>

namespace {

const std::string Title = "Copy Folder Structure(s).-From a Folder List - Level.";
const std::string SimulationTitle = "Simulate Copy Folder Structure(s).-From a Folder List - Level.";

// The tabs a run disables, so that no other page is used meanwhile.
const std::vector<std::string> RunDisabledTabs = {"tabFolderCreate05",  "tabFolderCreate04",
                                                  "tabFolderCreate03",  "tabFolderCreate01",
                                                  "tabFoldersRename01", "tabFoldersDelete01"};

std::string Caption(bool realRun, const std::string& kind, const std::string& number) {
    return (realRun ? Title : SimulationTitle) + Blanks12 + kind + " no: " + number + ".";
}

} // namespace

bool Vol08CopyPage::PrepareRun(bool realRun) {
    const std::vector<CopyFolder> folders = UniqueCopyFolders(ui_->lstVol08IncludeFolderList->Items());
    if (std::none_of(folders.begin(), folders.end(),
                     [](const CopyFolder& folder) { return folder.hasDrive; })) {
        ui::ShowBox(this, Caption(realRun, "Warning", realRun ? "0279" : "0267"),
                    "There is no Folder with a drive letter in the Include List !\nAction : You must add at "
                    "least one Folder with a drive letter.",
                    ui::Icon::Warning);
        ui_->btnVol08AddFolderToList->setFocus();
        return false;
    }
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

bool Vol08CopyPage::RefuseStructure(const CopyFolder& folder, const std::string& structureLine,
                                    const CopyFolder& structure, bool realRun) {
    std::string refusal;
    if (!CheckSourceNotDestination(folder.line, structureLine, refusal)) {
        const StructurePlace place = PlaceOfStructure(structure, folder);
        if (place == StructurePlace::Apart)
            return false;
        const std::string how = place == StructurePlace::Same          ? "is the same as"
                                : place == StructurePlace::HoldsFolder ? "holds"
                                                                       : "lies inside";
        refusal = "The ATTACH/COPY/MOVE operation is NOT PERFORMED !!!\nThe source Folder " + how +
                  " the Destination Folder !!! \nDestination Folder : " + folder.line + "\n" +
                  "Source Folder      : " + structure.line;
    }
    ui::ShowBox(this, Caption(realRun, "Warning", realRun ? "0285" : "0265"), refusal, ui::Icon::Warning);
    return true;
}

void Vol08CopyPage::CopyIntoFolder(const CopyFolder& folder, AttachMode mode,
                                   const std::vector<CopyFolder>& structures, bool realRun) {
    // A folder gone since the run began counts as one missing at its start:
    // the walk would make it again, to copy into.
    if (!folder.exists || !DirectoryExists(folder.line)) {
        block_.RecordOther(folder.line, nullptr);
        return;
    }
    const std::vector<std::string> lines = StructureItems();
    bool copied = false;
    bool refused = false;
    for (size_t i = 0; i < structures.size(); ++i) {
        if (RefuseStructure(folder, lines[i], structures[i], realRun)) {
            // Nothing of it is copied into this folder: all of it counts as
            // not copied, and the folder is named as refused.
            CountStructureNotCopied(i);
            refused = true;
            continue;
        }
        const std::string structure = Trim(lines[i]);
        const std::string target =
            AttachesTopFolder(mode) ? folder.line + "\\" + ExtractFileName(structure) : folder.line;
        walk_.AttachTargetRoot = ExcludeTrailingPathDelimiter(target);
        // A link or a file where the structure's folder goes, found before
        // the walk or by its creating call, is refused alike.
        const auto refuseTopFolder = [&] {
            CountStructureNotCopied(i);
            notCopied_.push_back(walk_.AttachTargetRoot);
        };
        if (TopFolderBlocked(walk_.AttachTargetRoot, AttachesTopFolder(mode))) {
            refuseTopFolder();
            continue;
        }
        const CreationCounters before = block_.Counters;
        if (realRun) {
            if (!walk_.CopyFolderStructure(structure, mode)) {
                refuseTopFolder();
                continue;
            }
            RecordIdentities();
        } else {
            walk_.SimulateCopyFolderStructure(structure, mode);
        }
        // A structure of which nothing could be copied, only failures, did
        // not go in; one that was already there, or had nothing to copy, did.
        const CreationCounters& after = block_.Counters;
        const bool made = after.Created.SubFolders > before.Created.SubFolders ||
                          after.Created.Files > before.Created.Files;
        const bool failed =
            after.Other.SubFolders > before.Other.SubFolders || after.Other.Files > before.Other.Files;
        if (made || !failed)
            copied = true;
    }
    if (refused)
        refusedFolders_.push_back(folder.line);
    // A folder counts as copied into when a structure went into it.
    if (copied)
        block_.RecordCreated(folder.line);
}

bool Vol08CopyPage::TopFolderBlocked(const std::string& target, bool topFolder) {
    // A link where the structure's folder goes is no folder to merge into,
    // wherever it leads: what the walk would write through it would land
    // there, in the structure itself too. (The Include folder itself, where
    // the structure's entries go, is the one the person named.)
    const uint32_t attributes = platform::GetFileAttributesA(target);
    return attributes != platform::INVALID_FILE_ATTRIBUTES &&
           ((topFolder && (attributes & platform::FILE_ATTRIBUTE_REPARSE_POINT)) || !DirectoryExists(target));
}

void Vol08CopyPage::CountStructureNotCopied(size_t index) {
    // Run and simulation alike count all of the structure, as the pre-count
    // counted it for this mode, under other reasons.
    const StructureTotals part = index < structureParts_.size() ? structureParts_[index] : StructureTotals{};
    CounterRow& other = block_.Counters.Other;
    other.SubFolders += part.subfolders;
    other.Files += part.files;
    other.FilesSize += static_cast<double>(part.bytes);
    block_.RefreshBoth();
}

void Vol08CopyPage::EndRunBox(bool realRun) {
    std::string text =
        realRun ? "End of Copying Folders/Files !!!" : "End of Simulating the Copy of Folders/Files !!!";
    ui::Icon icon = ui::Icon::Information;
    // A long list of names would not fit a box; the first ones tell where to look.
    const auto names = [](const std::deque<std::string>& paths) {
        constexpr size_t Shown = 10;
        std::string lines;
        for (size_t i = 0; i < paths.size() && i < Shown; ++i)
            lines += "\n" + paths[i];
        if (paths.size() > Shown)
            lines += "\n... and " + std::to_string(paths.size() - Shown) + " more.";
        return lines;
    };
    if (!refusedFolders_.empty()) {
        text +=
            "\n" + std::to_string(refusedFolders_.size()) +
            " folder(s) where a Folder Structure is, holds or lies in the folder:" + names(refusedFolders_);
        icon = ui::Icon::Warning;
    }
    const CounterRow& other = block_.Counters.Other;
    if (other.SubFolders > 0 || other.Files > 0 || !notCopied_.empty()) {
        text += "\n" + FloatToStr(other.SubFolders) + " subfolder(s) and " + FloatToStr(other.Files) +
                (realRun ? " file(s) could not be copied." : " file(s) could not be copied by a run.") +
                names(notCopied_);
        icon = ui::Icon::Warning;
    }
    ui::ShowBox(this, Caption(realRun, "Information", realRun ? "0286" : "0266"), text, icon);
}

void Vol08CopyPage::CopyOrSimulate(bool realRun) {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);
    if (PrepareRun(realRun))
        RunCopy(realRun);
}

void Vol08CopyPage::RunCopy(bool realRun) {
    BindStatisticsWindow();
    ResetVol08Results();
    block_.ClearResultLists();
    block_.ClearStatisticLists();
    walk_.ForgetLastRun();
    notCopied_.clear();
    refusedFolders_.clear();
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
    std::vector<CopyFolder> structures;
    for (const std::string& line : StructureItems()) {
        structures.push_back(ResolveCopyFolder(line));
        FindHolding(structures.back());
    }
    // Each folder once, in list order, however often and however the list
    // names it.
    std::vector<CopyFolder> folders = UniqueCopyFolders(ui_->lstVol08IncludeFolderList->Items());
    for (CopyFolder& folder : folders)
        FindHolding(folder);
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
