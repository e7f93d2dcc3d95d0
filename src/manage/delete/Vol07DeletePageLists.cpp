// The delete page's Include and Exclude lists: the builder and import result
// lists, adding by hand, moving lines between the lists, deleting from the
// Exclude list, viewing, editing, Smart Export, Clear Fields, and loading and
// saving the Include list as a text file. The steps are the manage pages'
// shared ones (ManageLists); a drive as a whole never enters this page's
// Include list.

#include "manage/delete/Vol07DeletePage.h"

#include "common/FrameworkText.h"
#include "create/engine/PageRunGuard.h"
#include "manage/delete/DeletePageTexts.h"
#include "manage/delete/TfrmVol07EditIncludeList.h"
#include "manage/shared/LevelBuilderControlsOnPage.h"
#include "manage/shared/ManageLists.h"
#include "manage/shared/ManagePageHelp.h"
#include "tools/ExportHandOver.h"
#include "tools/TfrmExamplesDelete.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_Vol07DeletePage.h"

namespace {

const std::string Title = "Delete Folder(s).-From a Folder List.";
const std::string Blanks12 = "            ";

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
    rules.hasDrive = HasDrivePart;
    rules.keptOutOfInclude = DriveAsAWhole;
    rules.keptOut = {Title + Blanks12 + "Warning no: 0334.",
                     "You can not Enter a drive without Folder(s)!\nSo You can not Delete the Entire drive."};
    rules.folderMissing = [this](const std::string& folder) {
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0245.",
                    "The selected Folder doesn't exist :\n" + folder +
                        "\nAction : Only an existing Folder can be viewed.",
                    ui::Icon::Warning);
    };
    rules.whileBusy = [this](const std::function<void()>& work) {
        PageRunGuard busy(runInProgress_, *this);
        work();
    };
    rules.refresh = [this] { RefreshVol07Page(); };
    lists_ = std::make_unique<ManageLists>(
        ManageListControls{this, &runInProgress_, ui_->lstVol07IncludeFolderList,
                           ui_->lstVol07ExcludeFolderList, ui_->lblVol07IncludeSum, ui_->lblVol07ExcludeSum,
                           ui_->pbVol07ProgressBar, ui_->btnVol07AddFoldersToList,
                           ui_->btnVol07DeleteExcludeAll, ui_->btnVol07SmartExport},
        DeletePageTexts(), std::move(rules));

    LevelBuilderPage page = lists_->LevelPage();
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
    levels_ = std::make_unique<LevelListBuilder>(
        LevelBuilderControlsOnPage(*this, "Vol07", ui_->btnVol07AddFoldersToList), std::move(page));
    levels_->Connect(this);

    const std::pair<QAbstractButton*, void (Vol07DeletePage::*)()> clicks[] = {
        {ui_->btnVol07SubFolderLevelListBuilder, &Vol07DeletePage::btnVol07SubFolderLevelListBuilderClick},
        {ui_->btnVol07SmartImport, &Vol07DeletePage::btnVol07SmartImportClick},
        {ui_->btnVol07AddFoldersToList, &Vol07DeletePage::btnVol07AddFoldersToListClick},
        {ui_->btnVol07IncToExc, &Vol07DeletePage::btnVol07IncToExcClick},
        {ui_->btnVol07ExcToInc, &Vol07DeletePage::btnVol07ExcToIncClick},
        {ui_->btnVol07AllFromInc, &Vol07DeletePage::btnVol07AllFromIncClick},
        {ui_->btnVol07AllFromExc, &Vol07DeletePage::btnVol07AllFromExcClick},
        {ui_->btnVol07ExchangeIncExc, &Vol07DeletePage::btnVol07ExchangeIncExcClick},
        {ui_->btnVol07DeleteFromExcludeList, &Vol07DeletePage::btnVol07DeleteFromExcludeListClick},
        {ui_->btnVol07DeleteExcludeAll, &Vol07DeletePage::btnVol07DeleteExcludeAllClick},
        {ui_->btnVol07IncludeFolderListView, &Vol07DeletePage::btnVol07IncludeFolderListViewClick},
        {ui_->btnVol07EditIncludeList, &Vol07DeletePage::btnVol07EditIncludeListClick},
        {ui_->btnVol07SmartExport, &Vol07DeletePage::btnVol07SmartExportClick},
        {ui_->btnVol07ClearAll, &Vol07DeletePage::btnVol07ClearAllClick},
        {ui_->btnVol07Help, &Vol07DeletePage::btnVol07HelpClick},
        {ui_->btnVol07Examples, &Vol07DeletePage::btnVol07ExamplesClick},
        {ui_->btnVol07LoadFrom, &Vol07DeletePage::btnVol07LoadFromClick},
        {ui_->btnVol07SaveTo, &Vol07DeletePage::btnVol07SaveToClick},
    };
    for (const auto& [button, handler] : clicks)
        ui::OnClicked(button, [this, handler = handler] { (this->*handler)(); });
}

bool Vol07DeletePage::CheckVol07DeletePath(const std::string& path) {
    return lists_->MayEnterInclude(path);
}

void Vol07DeletePage::btnVol07DeleteFromExcludeListClick() {
    if (runInProgress_)
        return;
    lists_->DeleteSelectedExcludeLines();
    RefreshVol07Page();
}

void Vol07DeletePage::btnVol07ClearAllClick() {
    if (runInProgress_ || !lists_->ConfirmClearAll())
        return;
    levels_->ResetToStart();
    // The builder's group is hidden, so no method radio could give the
    // import button back: it stays usable.
    ui_->btnVol07SmartImport->setEnabled(true);
    lists_->ClearLists();
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
    lists_->ReportCleared();
}

void Vol07DeletePage::btnVol07HelpClick() {
    ShowManagePageHelp("Delete");
}

void Vol07DeletePage::btnVol07ExamplesClick() {
    ui::desktop().ShowModal(*frmExamplesDelete);
}

void Vol07DeletePage::rdoVol07AddToListManuallyClick() {
    levels_->rdoAddToListManuallyClick();
}
