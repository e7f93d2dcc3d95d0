// Undo of the copy page's last real run: the folders it created are emptied
// and removed, parents first (a parent takes its children with it), then the
// files it copied into folders that were there before are deleted. Only what
// is still the very entry the run made is touched: a folder or file that was
// moved, replaced or is now reached through a link is named in the report and
// left alone.

#include "manage/copy/Vol08CopyPage.h"

#include "common/BoxCaption.h"
#include "common/FileHelpers.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "manage/copy/TfrmStatistic08.h"
#include "platform/FileSystem.h"
#include "runs/PageRunGuard.h"
#include "ui/Desktop.h"

#include "ui_Vol08CopyPage.h"

namespace {

const std::string Title = "Copy Folder Structure(s).-From a Folder List - Level.";

bool Exists(const std::string& path) {
    return platform::GetFileAttributesA(path) != platform::INVALID_FILE_ATTRIBUTES;
}

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
    for (size_t i = 0; i < copyUndoFolders_.size(); ++i) {
        const std::string& folder = copyUndoFolders_[i];
        switch (StandingOf(folder, copyUndoFolderEntries_[i])) {
        case UndoStanding::Gone: // went with its parent, or by hand
            break;
        case UndoStanding::NotOwn: // a link or the person's own folder in its place
            failures.push_back(folder);
            break;
        case UndoStanding::RunsOwn:
            EmptyFolderContents(folder);
            if (!platform::RemoveDirectoryA(folder) && DirectoryExists(folder))
                failures.push_back(folder);
            break;
        }
    }
    for (size_t i = 0; i < copyUndoFiles_.size(); ++i) {
        const std::string& file = copyUndoFiles_[i];
        switch (StandingOf(file, copyUndoFileEntries_[i])) {
        case UndoStanding::Gone: // deleted as asked
            break;
        case UndoStanding::NotOwn: // replaced or edited since the run
            failures.push_back(file);
            break;
        case UndoStanding::RunsOwn:
            if (!platform::DeleteFileA(file) && Exists(file))
                failures.push_back(file);
            break;
        }
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
