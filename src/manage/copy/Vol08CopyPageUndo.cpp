// Undo of the copy page's last real run: the folders it created are emptied
// and removed, parents first (a parent takes its children with it), then the
// files it copied into folders that were there before are deleted. Only what
// is still the very entry the run made is touched: a folder or file that was
// moved, replaced or is now reached through a link is named in the report and
// left alone.

#include "manage/copy/Vol08CopyPage.h"

#include "common/FileHelpers.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "create/engine/PageRunGuard.h"
#include "manage/copy/TfrmStatistic08.h"
#include "platform/FileSystem.h"
#include "ui/Desktop.h"

#include "ui_Vol08CopyPage.h"

namespace {

const std::string Title = "Copy Folder Structure(s).-From a Folder List - Level.";
const std::string Blanks12 = "            ";

bool Exists(const std::string& path) {
    return platform::GetFileAttributesA(path) != platform::INVALID_FILE_ATTRIBUTES;
}

} // namespace

std::optional<platform::EntryIdentity> Vol08CopyPage::IdentityOf(const std::string& path) {
    platform::EntryIdentity identity;
    if (!platform::GetEntryIdentity(path, identity))
        return std::nullopt;
    return identity;
}

void Vol08CopyPage::RecordIdentities() {
    while (copyUndoFolderIds_.size() < copyUndoFolders_.size()) {
        const std::string& folder = copyUndoFolders_[copyUndoFolderIds_.size()];
        createdFolders_.insert(folder);
        copyUndoFolderIds_.push_back(IdentityOf(folder));
    }
    // A file copied into a folder the run created goes when Undo removes that
    // folder; only files copied into folders that were there before are kept
    // to be deleted one by one.
    size_t kept = copyUndoFileIds_.size();
    for (size_t i = kept; i < copyUndoFiles_.size(); ++i) {
        if (createdFolders_.count(ExtractFileDir(copyUndoFiles_[i])) > 0)
            continue;
        if (kept != i)
            copyUndoFiles_[kept] = std::move(copyUndoFiles_[i]);
        copyUndoFileIds_.push_back(IdentityOf(copyUndoFiles_[kept]));
        ++kept;
    }
    copyUndoFiles_.resize(kept);
}

void Vol08CopyPage::ClearUndoLists() {
    copyUndoFolders_.clear();
    copyUndoFiles_.clear();
    copyUndoFolderIds_.clear();
    copyUndoFileIds_.clear();
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
        // A folder gone already went with its parent, or by hand.
        if (!Exists(folder))
            continue;
        if (!copyUndoFolderIds_[i] || IdentityOf(folder) != copyUndoFolderIds_[i]) {
            failures.push_back(folder);
            continue;
        }
        EmptyFolderContents(folder);
        if (!platform::RemoveDirectoryA(folder) && DirectoryExists(folder))
            failures.push_back(folder);
    }
    for (size_t i = 0; i < copyUndoFiles_.size(); ++i) {
        const std::string& file = copyUndoFiles_[i];
        // A file gone already went with its folder: it is deleted as asked.
        if (!Exists(file))
            continue;
        if (!copyUndoFileIds_[i] || IdentityOf(file) != copyUndoFileIds_[i] || !platform::DeleteFileA(file))
            failures.push_back(file);
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
