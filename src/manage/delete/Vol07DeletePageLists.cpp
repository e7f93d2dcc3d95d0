// The delete page's Include and Exclude lists: the builder and import result
// lists, adding by hand, moving lines between the lists, deleting from the
// Exclude list, viewing, editing, Smart Export, Clear Fields, and loading and
// saving the Include list as a text file. The steps are the manage pages'
// shared ones (ManageLists); a drive as a whole never enters this page's
// Include list.

#include "manage/delete/Vol07DeletePage.h"

#include "common/BoxCaption.h"
#include "common/FrameworkText.h"
#include "manage/delete/TfrmVol07EditIncludeList.h"
#include "manage/shared/ManageLists.h"
#include "runs/PageRunGuard.h"
#include "tools/TfrmExamplesDelete.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol07DeletePage.h"

namespace {

const std::string Title = "Delete Folder(s).-From a Folder List.";

bool DriveAsAWhole(const std::string& path) {
    return Trim(path).size() <= 3;
}

} // namespace

void Vol07DeletePage::MakeLists() {
    ManageListRules rules;
    rules.page = ManagePage::Delete;
    rules.editor = [] { return frmVol07EditIncludeList; };
    rules.shortestFolder = 4;
    // A drive's root or less is never a folder this page takes.
    rules.shortestListFileLine = 4;
    rules.shortListFileLineFirst = true;
    rules.keptOutOfInclude = DriveAsAWhole;
    rules.keptOut = {Title + Blanks12 + "Warning no: 0334.",
                     "You can not Enter a drive without Folder(s)!\nSo You can not Delete the Entire drive."};
    rules.folderMissing = [this](const std::string& folder) {
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0245.",
                    "The selected Folder doesn't exist :\n" + folder +
                        "\nAction : Only an existing Folder can be viewed.",
                    ui::Icon::Warning);
    };
    rules.whileBusy = PageRunGuard::Around(runInProgress_, *this);
    rules.refresh = [this] { RefreshVol07Page(); };
    rules.clearPageFields = [this] { ClearPageFields(); };
    rules.levels = [this](LevelBuilderPage& page) {
        page.refuseBeforeDriveCheck = [this](const std::string& path) {
            if (!DriveAsAWhole(path))
                return false;
            ui::ShowBox(this, Title + Blanks12 + " Warning no: 0335.", "The Entire disk can't be Deleted !\n",
                        ui::Icon::Warning);
            return true;
        };
        page.acceptWithDrive = [this](const std::string& path) { return CheckVol07DeletePath(path); };
        page.smartImportFollowsRoot = true;
        page.upDownWraps = {false, true, false, false};
    };
    lists_ = std::make_unique<ManageLists>(
        ManagePageForm{this, "Vol07", ui_->btnVol07AddFoldersToList, &runInProgress_}, std::move(rules));
}

bool Vol07DeletePage::CheckVol07DeletePath(const std::string& path) {
    return lists_->MayEnterInclude(path);
}

void Vol07DeletePage::ClearPageFields() {
    // The builder's group is hidden, so no method radio could give the
    // import button back: it stays usable.
    ui_->btnVol07SmartImport->setEnabled(true);
    ui_->chkVol07ShowDetailedResults->setChecked(true);
    ui_->chkVol07DeleteDoubleConfirm->setChecked(true);
    ui_->rdoVol07DeleteCompleteFolders->setChecked(true);
    ResetVol07ToDeleteCounters();
    for (std::deque<std::string>& list : ResultLists)
        list.clear();
    DeleteFileSet.clear();
    inventory_ = DeleteInventory{};
    ShowVol07ToDeleteCounters();
    EnableVol07Options(false);
}

void Vol07DeletePage::btnVol07ExamplesClick() {
    ui::desktop().ShowModal(*frmExamplesDelete);
}

void Vol07DeletePage::rdoVol07AddToListManuallyClick() {
    lists_->Levels().rdoAddToListManuallyClick();
}
