// The rename page's run and its simulation. Both take every Include line,
// work out the folder it stands for and that folder's new full path under the
// checked rule (all before anything is renamed), and then decide the lines
// deepest folder first by the same rules: the run on the disk, the simulation
// on a view of it that only remembers its renames. A folder's subfolders are
// thus renamed before the folder itself, so each undo record's path after
// renaming is the one that exists once the shallower records are undone.

#include "manage/rename/Vol06RenamePage.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "manage/rename/FinalRenamedPaths.h"
#include "manage/rename/RenameDisk.h"
#include "manage/rename/RenameNameParts.h"
#include "manage/rename/RenameRules.h"
#include "manage/rename/TfrmStatistic06.h"
#include "runs/PageRunGuard.h"
#include "ui/Colors.h"
#include "ui/Desktop.h"
#include "ui/ResultList.h"

#include "ui_TfrmStatistic06.h"
#include "ui_Vol06RenamePage.h"

#include <algorithm>
#include <limits>

namespace {

const std::string RunTitle = "Rename Folder(s).-From a Folder List.            ";
const std::string SimulationTitle = "Simulate Rename Folder(s).-From a Folder List.            ";

// No other page may be used while the page renames.
const std::vector<std::string> OtherTabs = {"tabFolderCreate03", "tabFolderCreate05", "tabFolderCreate04",
                                            "tabFolderCreate01", "tabFoldersCopy02",  "tabFoldersDelete01"};

int ProgressPosition(size_t index) {
    return static_cast<int>(std::min<size_t>(index, static_cast<size_t>(std::numeric_limits<int>::max())));
}

// One Include line as the run takes it.
struct PlannedRename {
    std::string line;   // trimmed
    std::string source; // the folder it stands for; the line itself without a drive part
    std::string target; // its new full path
    bool hasDrive = false;
    unsigned depth = 0;
};

// `folder` with its last name spelled as the disk spells it.
std::string NameAsOnDisk(const std::string& folder, const std::string& name) {
    if (name.empty())
        return folder;
    // Its folder, a backslash and the name, written into one text.
    const std::string_view parent = std::string_view(folder).substr(0, FileDirLength(folder));
    std::string path;
    path.reserve(parent.size() + 1 + name.size());
    path += parent;
    if (parent.empty() || parent.back() != '\\')
        path += '\\';
    path += name;
    return path;
}

// What Undo is to know of the entry the run has just renamed to `target`:
// which entry it is and where it lies, each folder resolved once a run.
std::optional<CreatedEntry> UndoRecordOf(CreatedEntryRecorder& recorder, const std::string& target,
                                         const EntryFacts& renamed) {
    if (!renamed.identity)
        return std::nullopt;
    platform::EntryDetails details;
    details.kind =
        renamed.kind == EntryKind::FolderLink ? platform::EntryKind::Link : platform::EntryKind::Folder;
    details.identity = *renamed.identity;
    return recorder.Record(target, details);
}

} // namespace

bool Vol06RenamePage::CheckRuleBeforeRun(const std::string& title) {
    if (ui_->rdoVol06RenameTheLastSubFolder->isChecked()) {
        if (Trim(ui_->edtVol06RenameNewLastSubFolder->text().toStdString()).empty()) {
            ui::ShowBox(this, title + "Warning no: 0210.",
                        "The New Name field is empty !\nAction : You must enter the new name of the last "
                        "subfolder.",
                        ui::Icon::Warning);
            ui_->edtVol06RenameNewLastSubFolder->setFocus();
            return false;
        }
        return true;
    }
    for (const QLineEdit* edit : {ui_->edtVol06NewPrefix, ui_->edtVol06DelimiterPrefixSubFolder,
                                  ui_->edtVol06DelimiterSubFolderSuffix, ui_->edtVol06NewSuffix}) {
        if (!Trim(edit->text().toStdString()).empty())
            return true;
    }
    ui::ShowBox(this, title + "Warning no: 0216.",
                "There is no Prefix, Suffix or Delimiter !\nAction : You must enter at least one of them to "
                "rename folders.",
                ui::Icon::Warning);
    ui_->edtVol06NewPrefix->setFocus();
    return false;
}

void Vol06RenamePage::PrepareStatisticsWindow(bool realRun) {
    if (!frmStatistic06)
        return;
    Ui::TfrmStatistic06& statistics = frmStatistic06->Controls();
    statistics.chkStat06NormalSimulate->setChecked(realRun);
    ui::SetFontColor(statistics.lblVol06NormalSimulate, ui::clMaroon);
    statistics.lblVol06NormalSimulate->setText(realRun ? "Folder Rename Process."
                                                       : "Simulate the Folder Rename Process.");
    ClearStatisticLists();
    if (ui_->chkVol06ShowDetailedResults->isChecked())
        frmStatistic06->show();
}

void Vol06RenamePage::RenameOrSimulate(bool realRun) {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);
    const std::string& title = realRun ? RunTitle : SimulationTitle;
    const MainWindowTexts& texts = mainWindow_.Texts();
    if (!CheckRuleBeforeRun(title) ||
        ui::ShowBox(this, title + (realRun ? "Information no: 0206." : "Information no: 0208."),
                    realRun ? "Do you want to rename folders ?\n" : texts.RenameSimulationIntroText,
                    ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;
    if (realRun) {
        // Undo reverses every record it finds: an earlier run's records,
        // reversed already or not, must not be reversed again.
        RenameUndoList.clear();
        RenameWorkList.clear();
        RenameSourceMissingList.clear();
        RenameDestinationExistsList.clear();
        RenameOtherReasonsList.clear();
        HostRenameDisk disk;
        RenameLines(disk, true);
    } else {
        SimulatedRenameDisk disk;
        RenameLines(disk, false);
    }
    ui::ShowBox(this, title + (realRun ? "Information no: 0207." : "Information no: 0209."),
                realRun ? "End of Renaming Folders !!!" : texts.RenameSimulationEndText,
                ui::Icon::Information);
}

void Vol06RenamePage::RenameLines(RenameDisk& disk, bool realRun) {
    const RenameRule rule = CheckedRule();
    std::vector<PlannedRename> plan;
    plan.reserve(static_cast<size_t>(ui_->lstVol06IncludeFolderList->Count()));
    // The list's copies of its lines become the plan's, copied again only
    // where they need trimming.
    for (std::string& item : ui_->lstVol06IncludeFolderList->Items()) {
        PlannedRename planned;
        const std::string_view trimmed = TrimmedView(item);
        planned.line = trimmed.size() == item.size() ? std::move(item) : std::string(trimmed);
        planned.hasDrive = !Trim(ExtractFileDrive(planned.line)).empty();
        if (planned.hasDrive) {
            RenameFolder folder = RenameFolderOf(planned.line);
            planned.target = JoinedName(NamePartsUnder(rule, folder));
            planned.source = std::move(folder.folder);
            // Ordered by the folder's depth, not by how its line is written:
            // "D:\W\\A" and "D:\W\.\A" are as deep as "D:\W\A".
            planned.depth = NormalFolderDepth(planned.source);
        } else {
            planned.source = planned.line;
            planned.depth = FolderDepth(planned.source);
        }
        plan.push_back(std::move(planned));
    }
    const auto deeper = [](const PlannedRename& a, const PlannedRename& b) { return a.depth > b.depth; };
    // Mostly the lines are of one depth, or deepest first already: the order
    // a sort would keep is not made anew.
    if (!std::is_sorted(plan.begin(), plan.end(), deeper))
        std::stable_sort(plan.begin(), plan.end(), deeper);

    PrepareStatisticsWindow(realRun);
    Vol06FoldersRenamed = 0;
    Vol06FoldersSourceNotExists = 0;
    Vol06FoldersDestinationExists = 0;
    Vol06FoldersOtherReasons = 0;
    Vol06FoldersToRename = static_cast<double>(plan.size());
    WriteCounterLabels();

    OtherTabsDisabled tabs(mainWindow_, OtherTabs);
    Ui::TfrmStatistic06* statistics = frmStatistic06 ? &frmStatistic06->Controls() : nullptr;
    const auto list = [this, statistics](ui::ResultList* Ui::TfrmStatistic06::*box, const std::string& text) {
        listItems_.Add(statistics ? statistics->*box : nullptr, text);
    };
    std::vector<DoneRename> done;
    done.reserve(plan.size());
    CreatedEntryRecorder undoRecorder;
    QProgressBar& progress = *ui_->pbVol06ProgressBar;
    progress.setMaximum(ProgressPosition(plan.size()));
    progress.setValue(0);
    progress.show();
    {
        RepaintRunScope repaints(repaints_, {window(), frmStatistic06}, {&progress});
        for (size_t index = 0; index < plan.size(); ++index) {
            // Each line is decided once: what it holds is moved on, not copied.
            PlannedRename& planned = plan[index];
            repaints_.SetProgress(progress, ProgressPosition(index));
            ui::desktop().ProcessMessages();
            if (realRun)
                RenameWorkList.push_back(std::move(planned.line));
            EntryFacts renamed;
            const RenameOutcome outcome = planned.hasDrive
                                              ? RenameOne(disk, planned.source, planned.target, renamed)
                                              : RenameOutcome::Other;
            switch (outcome) {
            case RenameOutcome::Renamed:
                Vol06FoldersRenamed += 1;
                list(&Ui::TfrmStatistic06::lstStat06FoldersRenamed, planned.target);
                // Undo gives the folder back the name it had on the disk, not
                // the letter case the line was typed in.
                if (realRun)
                    RenameUndoList.push_back({NameAsOnDisk(planned.source, renamed.name), planned.target,
                                              UndoRecordOf(undoRecorder, planned.target, renamed)});
                done.push_back({std::move(planned.source), std::move(planned.target)});
                break;
            case RenameOutcome::SourceMissing:
                Vol06FoldersSourceNotExists += 1;
                list(&Ui::TfrmStatistic06::lstStat06FoldersSourceNotExists, planned.source);
                if (realRun)
                    RenameSourceMissingList.push_back(planned.source);
                break;
            case RenameOutcome::DestinationExists:
                Vol06FoldersDestinationExists += 1;
                list(&Ui::TfrmStatistic06::lstStat06FoldersDestinationExists, planned.source);
                if (realRun)
                    RenameDestinationExistsList.push_back(planned.source);
                break;
            case RenameOutcome::Other:
                Vol06FoldersOtherReasons += 1;
                list(&Ui::TfrmStatistic06::lstStat06FoldersOtherReasons, planned.source);
                if (realRun)
                    RenameOtherReasonsList.push_back(planned.source);
                break;
            }
            ShowVol06Counters();
        }
    }
    // The log names each renamed folder where it ended up, so that what it
    // hands on leads to folders that exist.
    if (statistics) {
        std::vector<std::string> finals = FinalRenamedPaths(done);
        // Mostly each folder is where its rename left it, as the list shows.
        const bool asListed = std::equal(
            finals.begin(), finals.end(), done.begin(), done.end(),
            [](const std::string& final, const DoneRename& rename) { return final == rename.target; });
        if (!asListed) {
            ui::ResultList& renamed = *statistics->lstStat06FoldersRenamed;
            renamed.Clear();
            renamed.AddItems(std::move(finals));
        }
    }
    WriteCounterLabels();
    progress.hide();
}
