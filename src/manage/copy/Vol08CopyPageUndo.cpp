// Undo of the copy page's last real run: the folders it created are emptied
// and removed, parents first (a parent takes its children with it), then the
// files it copied into folders that were there before are deleted, as every
// page undoes what its run made (CreatedEntriesUndo): a folder or file that
// was moved, replaced or is now reached through a link is named in the
// report and left alone.

#include "manage/copy/Vol08CopyPage.h"

#include "common/BoxCaption.h"
#include "common/FrameworkPaths.h"
#include "manage/copy/TfrmStatistic08.h"
#include "runs/CreatedEntriesUndo.h"
#include "runs/PageRunGuard.h"
#include "ui/Desktop.h"

#include "ui_Vol08CopyPage.h"

namespace {

const std::string Title = "Copy Folder Structure(s).-From a Folder List - Level.";

} // namespace

void Vol08CopyPage::RecordIdentities() {
    // The walk noted each folder and file as it made it. One it could not
    // note at once is never read later by its path, where the person's may
    // stand by then: Undo leaves it and names it.
    const size_t first = copyUndoFolderEntries_.size();
    while (copyUndoFolderEntries_.size() < copyUndoFolders_.size()) {
        const size_t index = copyUndoFolderEntries_.size();
        createdFolders_.insert(copyUndoFolders_[index]);
        copyUndoFolderEntries_.push_back(index - first < madeFolderEntries_.size()
                                             ? std::move(madeFolderEntries_[index - first])
                                             : std::nullopt);
    }
    madeFolderEntries_.clear();
    // A file copied into a folder the run created goes when Undo removes that
    // folder; only files copied into folders that were there before are kept
    // to be deleted one by one.
    const size_t firstFile = copyUndoFileEntries_.size();
    size_t kept = firstFile;
    for (size_t i = firstFile; i < copyUndoFiles_.size(); ++i) {
        if (createdFolders_.count(ExtractFileDir(copyUndoFiles_[i])) > 0)
            continue;
        if (kept != i)
            copyUndoFiles_[kept] = std::move(copyUndoFiles_[i]);
        copyUndoFileEntries_.push_back(i - firstFile < madeFileEntries_.size()
                                           ? std::move(madeFileEntries_[i - firstFile])
                                           : std::nullopt);
        ++kept;
    }
    copyUndoFiles_.resize(kept);
    madeFileEntries_.clear();
}

void Vol08CopyPage::ClearUndoLists() {
    copyUndoFolders_.clear();
    copyUndoFiles_.clear();
    copyUndoFolderEntries_.clear();
    madeFolderEntries_.clear();
    madeFileEntries_.clear();
    copyUndoFileEntries_.clear();
    undoRecorder_ = {};
    createdFolders_.clear();
}

void Vol08CopyPage::btnVol08UndoClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);
    // Files copied into folders that were there before are undone as well,
    // so only an undo with nothing at all recorded has nothing to do.
    if (copyUndoFolders_.empty() && copyUndoFiles_.empty()) {
        ui::ShowBox(
            this, Title + Blanks12 + "Warning no: 0290.",
            "No UNDO process !!!\nThere are no copied Subfolders (and files) !!!\nYou must copy at least on "
            "one Subfolder to UNDO them.",
            ui::Icon::Warning);
        return;
    }
    if (ui::ShowBox(this, Title + Blanks12 + "Warning no: 0291.",
                    "Do you want to delete all folders (and files)\ncopied last time ?", ui::Icon::Question,
                    ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;

    std::deque<std::string> failures;
    CreatedEntriesUndo undo;
    for (size_t i = 0; i < copyUndoFolders_.size(); ++i) {
        // One that is gone went with its parent, or the person deleted it.
        if (undo.RemoveFolder(copyUndoFolders_[i], copyUndoFolderEntries_[i]) == UndoOutcome::Left)
            failures.push_back(copyUndoFolders_[i]);
    }
    for (size_t i = 0; i < copyUndoFiles_.size(); ++i) {
        if (undo.RemoveFile(copyUndoFiles_[i], copyUndoFileEntries_[i]) == UndoOutcome::Left)
            failures.push_back(copyUndoFiles_[i]);
    }

    block_.ClearResultLists();
    ClearUndoLists();
    if (frmStatistic08)
        frmStatistic08->ClearLists();
    ResetVol08Results();
    ShowCountersEverywhere();
    if (!failures.empty()) {
        std::string text =
            "The program is unable to delete the following folders (and their contents), and/or "
            "separate files : \n";
        text += "\nOTHER REASONS   : \n\n";
        for (const std::string& path : failures)
            text += path + "\n";
        ui::ShowBox(this,
                    "Copy Folder Structure(s).-From a Folder List Level.            Information no: 0292.",
                    text, ui::Icon::Warning);
    }
    ui::ShowBox(this, Title + Blanks12 + "Information no: 0293.", "End of the Undo process !!!",
                ui::Icon::Information);
}
