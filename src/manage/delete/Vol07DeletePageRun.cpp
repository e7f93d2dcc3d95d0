// The delete run and its simulation. Both start from what the last pre-count
// found (the To Delete counters), take a second look at the disk, and go
// through the items in the order the delete examples show; the simulation
// decides as the run does but deletes nothing. A real run asks first, twice
// with "DOUBLE Confirmation for Deleting" ticked, the second time naming what
// will go; without a Yes nothing is deleted. There is no undo: the end box
// says how much was deleted.
//
// The run keeps its results in the first six of the page's sixteen result
// lists: folders deleted, files deleted, folders not existing, files not
// existing, folders and files left for other reasons.

#include "manage/delete/Vol07DeletePage.h"

#include "common/DiskSpace.h"
#include "common/FrameworkText.h"
#include "manage/delete/TfrmStatistics07.h"
#include "runs/PageRunGuard.h"
#include "tools/UpdatePacer.h"
#include "ui/Desktop.h"
#include "ui/ResultList.h"

#include "ui_TfrmStatistics07.h"
#include "ui_Vol07DeletePage.h"

#include <QProgressBar>

#include <array>

namespace {

const std::string RunTitle = "Delete Folder(s).-From a Folder List.            ";
const std::string SimulationTitle = "Simulate Delete Folder(s).-From a Folder List.            ";

// The tabs a run or a simulation disables, so that no other page is used meanwhile.
const std::vector<std::string> OtherTabs = {"tabFolderCreate03", "tabFolderCreate05", "tabFolderCreate04",
                                            "tabFolderCreate01", "tabFoldersCopy02",  "tabFoldersRename01"};

std::string SizeText(double bytes) {
    double value = 0;
    std::string unit;
    return SizeToText(static_cast<uint64_t>(bytes), value, unit);
}

// Names held back between repaints, per statistics list.
struct PendingNames {
    std::array<std::vector<std::string>, 6> lists;
};

size_t ListIndex(bool folder, DeleteOutcome outcome) {
    const size_t row = outcome == DeleteOutcome::Deleted ? 0 : outcome == DeleteOutcome::NotExists ? 1 : 2;
    return row * 2 + (folder ? 0 : 1);
}

} // namespace

void Vol07DeletePage::btnVol07DeleteFoldersClick() {
    DeletePass(false);
}

void Vol07DeletePage::btnVol07DeleteFoldersSimulationClick() {
    DeletePass(true);
}

std::string Vol07DeletePage::ConfirmationCountText() const {
    return FloatToStr(Counters.Vol07FoldersToDelete) + " Folder(s) and " +
           FloatToStr(Counters.Vol07FilesToDelete) + " File(s) (" + SizeText(Counters.Vol07BytesToDelete) +
           ")";
}

std::string Vol07DeletePage::DeleteEndText(uint64_t deletedBytes) const {
    std::string text =
        "End of Deleting Folders/Files !!!\n\nDeleted: " + FloatToStr(Counters.Vol07FoldersDeleted) +
        " Folder(s) and " + FloatToStr(Counters.Vol07FilesDeleted) + " File(s) (" +
        SizeText(static_cast<double>(deletedBytes)) + ").";
    const double notExisting = Counters.Vol07FoldersNotExists + Counters.Vol07FilesNotExists;
    const double other = Counters.Vol07FoldersOtherReasons + Counters.Vol07FilesOtherReasons;
    if (notExisting > 0)
        text += "\nNot deleted, not existing: " + FloatToStr(notExisting) + ".";
    if (other > 0)
        text += "\nNot deleted, other reasons: " + FloatToStr(other) + " (see the Visual Log).";
    return text + "\n\nDeleted Folders/Files can not be restored (NO UNDO).";
}

void Vol07DeletePage::PrepareStatisticsWindow(bool realRun) {
    if (!frmStatistics07)
        return;
    Ui::TfrmStatistics07& statistics = frmStatistics07->Controls();
    frmStatistics07->PrepareForRun(*statistics.chkStat07NormalSimulate, *statistics.lblVol07NormalSimulate,
                                   realRun, "Folder/File Delete Process.",
                                   "Simulate the Folder/File Delete Process.");
}

void Vol07DeletePage::RecordResult(const std::string&, bool folder, DeleteOutcome outcome) {
    switch (outcome) {
    case DeleteOutcome::Deleted:
        (folder ? Counters.Vol07FoldersDeleted : Counters.Vol07FilesDeleted) += 1;
        break;
    case DeleteOutcome::NotExists:
        (folder ? Counters.Vol07FoldersNotExists : Counters.Vol07FilesNotExists) += 1;
        break;
    case DeleteOutcome::OtherReasons:
        (folder ? Counters.Vol07FoldersOtherReasons : Counters.Vol07FilesOtherReasons) += 1;
        break;
    }
}

void Vol07DeletePage::DeletePass(bool simulate) {
    if (runInProgress_ || ui_->lstVol07IncludeFolderList->Count() == 0)
        return;
    {
        PageRunGuard busy(runInProgress_, *this);
        if (simulate) {
            if (ui::ShowBox(this, SimulationTitle + "Information no: 0241.",
                            mainWindow_.Texts().DeleteSimulationIntroText, ui::Icon::Question,
                            ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
                return;
        } else {
            if (ui::ShowBox(this, RunTitle + "Information no: 0238.",
                            "Do you want to delete PERMANENTLY what the To Delete counters show ?\n\n" +
                                CheckedModeCaption() +
                                "\n\nDeleted Folders/Files can not be restored (NO UNDO).",
                            ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
                return;
            if (ui_->chkVol07DeleteDoubleConfirm->isChecked() &&
                ui::ShowBox(
                    this, RunTitle + "Warning no: 0239.",
                    "Are you sure ?\n\n" + ConfirmationCountText() +
                        " will be deleted PERMANENTLY.\n\nClick YES to delete them,\nClick NO to Stop the "
                        "delete process.",
                    ui::Icon::Warning, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
                return;
        }

        PrepareStatisticsWindow(!simulate);
        Counters.ResetResults();
        ShowVol07ResultCounters();
        ShowVol07StatisticsResults();
        if (!simulate) {
            for (std::deque<std::string>& list : ResultLists)
                list.clear();
        }
        if (ui_->chkVol07ShowDetailedResults->isChecked() && frmStatistics07)
            frmStatistics07->show();
        OtherTabsDisabled tabs(mainWindow_, OtherTabs);

        std::deque<std::string> mains;
        for (const MainFolder& main : inventory_.mains)
            mains.push_back(main.path);
        QProgressBar& progress = *ui_->pbVol07ProgressBar;
        progress.setRange(0, 0);
        progress.show();
        UpdatePacer pacer;
        PendingNames pending;
        Ui::TfrmStatistics07* statistics = frmStatistics07 ? &frmStatistics07->Controls() : nullptr;
        const auto flush = [&] {
            if (statistics) {
                ui::ResultList* lists[6] = {
                    statistics->lstStat07FoldersDeleted,      statistics->lstStat07FilesDeleted,
                    statistics->lstStat07FoldersNotExists,    statistics->lstStat07FilesNotExists,
                    statistics->lstStat07FoldersOtherReasons, statistics->lstStat07FilesOtherReasons};
                for (size_t i = 0; i < 6; ++i) {
                    lists[i]->AddItems(std::move(pending.lists[i]));
                    pending.lists[i].clear();
                }
            }
            ShowVol07ResultCounters();
            ShowVol07StatisticsResults();
        };
        const auto step = [&] {
            if (!pacer.Due())
                return;
            flush();
            ui::desktop().ProcessMessages();
        };
        const DeleteInventory now =
            TakeDeleteInventory(inventory_.mode, mains, inventory_.patterns, step, fileSystemOf_);
        if (progress.maximum() == 0)
            progress.setRange(
                0, static_cast<int>(std::min<size_t>(inventory_.items.size() + now.items.size(), INT32_MAX)));
        int done = 0;
        DeleteResultSink sink;
        sink.record = [&](const std::string& path, bool folder, DeleteOutcome outcome) {
            RecordResult(path, folder, outcome);
            const size_t list = ListIndex(folder, outcome);
            pending.lists[list].push_back(path);
            if (!simulate)
                ResultLists[list].push_back(path);
        };
        sink.step = [&] {
            ++done;
            if (pacer.Due()) {
                progress.setValue(std::min(done, progress.maximum()));
                flush();
                ui::desktop().ProcessMessages();
            }
        };
        const DeletePassTotals totals = RunDeletePass(inventory_, now, simulate, sink);
        flush();
        progress.hide();
        if (simulate) {
            ui::ShowBox(this, SimulationTitle + "Information no: 0242.",
                        mainWindow_.Texts().DeleteSimulationEndText, ui::Icon::Information);
        } else {
            const bool allGone = Counters.Vol07FoldersOtherReasons + Counters.Vol07FilesOtherReasons == 0;
            ui::ShowBox(this, RunTitle + "Information no: 0240.", DeleteEndText(totals.deletedBytes),
                        allGone ? ui::Icon::Information : ui::Icon::Warning);
        }
        tabs.EnableAgain();
    }
    // What is left on the disk is the next delete's starting point.
    if (!simulate)
        RefreshVol07Page();
}

std::string Vol07DeletePage::CheckedModeCaption() const {
    switch (inventory_.mode) {
    case DeleteMode::FilesEverywhere:
        return ui_->rdoVol07DeleteOnlyFiles->text().toStdString();
    case DeleteMode::FilesInMainFolders:
        return ui_->rdoVol07DeleteOnlyFilesInMainFolder->text().toStdString();
    case DeleteMode::Subfolders:
        return ui_->rdoVol07DeleteSubFolders->text().toStdString();
    case DeleteMode::Everything:
        break;
    }
    return ui_->rdoVol07DeleteCompleteFolders->text().toStdString();
}
