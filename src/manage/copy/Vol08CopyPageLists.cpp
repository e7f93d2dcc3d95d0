// The copy page's Include and Exclude lists: the builder and import windows'
// results, adding a folder by hand, moving lines between the lists, deleting
// from the Exclude list, the editor, Smart Export, Clear Fields, help,
// examples and the list files. The steps are the manage pages' shared ones
// (ManageLists); every change ends with the page's refresh.

#include "manage/copy/Vol08CopyPage.h"

#include "common/FileHelpers.h"
#include "common/FrameworkPaths.h"
#include "create/engine/PageRunGuard.h"
#include "manage/copy/CopyPageTexts.h"
#include "manage/copy/TfrmVol08EditIncludeList.h"
#include "manage/shared/LevelBuilderControlsOnPage.h"
#include "manage/shared/ManageLists.h"
#include "manage/shared/ManagePageHelp.h"
#include "tools/TfrmExamplesCopy.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_Vol08CopyPage.h"

void Vol08CopyPage::MakeLists() {
    ManageListRules rules;
    rules.page = ManagePage::Copy;
    rules.editor = [] { return frmVol08EditIncludeList; };
    rules.shortestListFileLine = 2;
    // This page takes its lines as they come, blanks and all.
    rules.trimLines = false;
    rules.hasDrive = [](const std::string& line) { return !ExtractFileDrive(line).empty(); };
    // Only a folder on a drive that answers is taken from a list file.
    rules.listFileAccepts = [](const std::string& folder) {
        std::string typeName;
        return DriveTypeName(folder, typeName);
    };
    rules.folderMissing = [this](const std::string& folder) { OpenExistingFolder(this, folder); };
    rules.whileBusy = [this](const std::function<void()>& work) {
        PageRunGuard busy(runInProgress_, *this);
        work();
    };
    rules.refresh = [this] { RefreshVol08Page(); };
    lists_ = std::make_unique<ManageLists>(
        ManageListControls{this, &runInProgress_, ui_->lstVol08IncludeFolderList,
                           ui_->lstVol08ExcludeFolderList, ui_->lblVol08IncludeSum, ui_->lblVol08ExcludeSum,
                           ui_->pbVol08ProgressBar, ui_->btnVol08AddFolderToList,
                           ui_->btnVol08DeleteExcludeAll, ui_->btnVol08SmartExport},
        CopyPageTexts(), std::move(rules));

    LevelBuilderPage page = lists_->LevelPage();
    page.beforeRootSelected = [this](const std::string& folder) { SummariseVol08Root(folder); };
    // This page's four level up-downs run round from the highest level to 1.
    page.upDownWraps = {true, true, true, true};
    levelBuilder_ = std::make_unique<LevelListBuilder>(
        LevelBuilderControlsOnPage(*this, "Vol08", ui_->btnVol08AddFolderToList), std::move(page));
    levelBuilder_->Connect(this);

    const std::pair<QAbstractButton*, void (Vol08CopyPage::*)()> clicks[] = {
        {ui_->btnVol08SubFolderLevelListBuilder, &Vol08CopyPage::btnVol08SubFolderLevelListBuilderClick},
        {ui_->btnVol08SmartImport, &Vol08CopyPage::btnVol08SmartImportClick},
        {ui_->btnVol08AddFolderToList, &Vol08CopyPage::btnVol08AddFolderToListClick},
        {ui_->btnVol08IncToExc, &Vol08CopyPage::btnVol08IncToExcClick},
        {ui_->btnVol08ExcToInc, &Vol08CopyPage::btnVol08ExcToIncClick},
        {ui_->btnVol08AllfromInc, &Vol08CopyPage::btnVol08AllfromIncClick},
        {ui_->btnVol08AllfromExc, &Vol08CopyPage::btnVol08AllfromExcClick},
        {ui_->btnVol08DeleteExcludeList, &Vol08CopyPage::btnVol08DeleteExcludeListClick},
        {ui_->btnVol08DeleteExcludeAll, &Vol08CopyPage::btnVol08DeleteExcludeAllClick},
        {ui_->btnVol08IncludeFolderListView, &Vol08CopyPage::btnVol08IncludeFolderListViewClick},
        {ui_->btnVol08SmartExport, &Vol08CopyPage::btnVol08SmartExportClick},
        {ui_->btnVol08EditIncludeList, &Vol08CopyPage::btnVol08EditIncludeListClick},
        {ui_->btnVol08ClearAll, &Vol08CopyPage::btnVol08ClearAllClick},
        {ui_->btnVol08Help, &Vol08CopyPage::btnVol08HelpClick},
        {ui_->btnVol08Examples, &Vol08CopyPage::btnVol08ExamplesClick},
        {ui_->btnVol08LoadFrom, &Vol08CopyPage::btnVol08LoadFromClick},
        {ui_->btnVol08SaveTo, &Vol08CopyPage::btnVol08SaveToClick},
    };
    for (const auto& [button, handler] : clicks)
        ui::OnClicked(button, [this, handler = handler] { (this->*handler)(); });
}

void Vol08CopyPage::btnVol08DeleteExcludeListClick() {
    if (runInProgress_)
        return;
    lists_->DeleteSelectedExcludeLines();
    RefreshVol08Page();
}

void Vol08CopyPage::btnVol08ClearAllClick() {
    if (runInProgress_ || !lists_->ConfirmClearAll())
        return;
    levelBuilder_->ResetToStart();
    lists_->ClearLists();
    ui_->rdoVol08AttachMainFolderWithFiles->setChecked(true);
    ui_->lstVol08AddFolderStructure->Clear();
    ui_->chkVol08ShowDetailedResults->setChecked(true);
    ResetVol08Counters();
    block_.ClearAllResultLists();
    // Both undo lists go: an Undo after Clear Fields must not remove what an
    // earlier run copied, which the person may have changed since.
    ClearUndoLists();
    ShowCountersEverywhere();
    EnableVol08Options(false);
    lists_->ReportCleared();
}

void Vol08CopyPage::btnVol08HelpClick() {
    ShowManagePageHelp("Copy");
}

void Vol08CopyPage::btnVol08ExamplesClick() {
    if (frmExamplesCopy)
        ui::desktop().ShowModal(*frmExamplesCopy);
}
