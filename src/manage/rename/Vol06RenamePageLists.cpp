// The rename page's lists: filled from the subfolder list builder, the import
// window or by hand, moved between Include and Exclude, edited, exported,
// loaded from and saved to text files, and cleared with every field. The
// steps are the manage pages' shared ones (ManageLists).

#include "manage/rename/Vol06RenamePage.h"

#include "create/engine/PageRunGuard.h"
#include "manage/rename/RenamePageTexts.h"
#include "manage/rename/TfrmStatistic06.h"
#include "manage/rename/TfrmVol06EditIncludeList.h"
#include "manage/shared/LevelBuilderControlsOnPage.h"
#include "manage/shared/ManageLists.h"
#include "tools/ExportHandOver.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_Vol06RenamePage.h"

void Vol06RenamePage::MakeLists() {
    ManageListRules rules;
    rules.page = ManagePage::Rename;
    rules.editor = [] { return frmVol06EditIncludeList; };
    rules.hasDrive = HasDrivePart;
    rules.focusAfterLoad = ui_->btnVol06AddFolderToList;
    rules.whileBusy = [this](const std::function<void()>& work) {
        PageRunGuard busy(runInProgress_, *this);
        work();
    };
    rules.refresh = [this] { RefreshVol06Page(); };
    lists_ = std::make_unique<ManageLists>(
        ManageListControls{this, &runInProgress_, ui_->lstVol06IncludeFolderList,
                           ui_->lstVol06ExcludeFolderList, ui_->lblVol06IncludeSum, ui_->lblVol06ExcludeSum,
                           ui_->pbVol06ProgressBar, ui_->btnVol06AddFolderToList,
                           ui_->btnVol06DeleteExcludeAll, ui_->btnVol06SmartExport},
        RenamePageTexts(), std::move(rules));
    levelBuilder_ = std::make_unique<LevelListBuilder>(
        LevelBuilderControlsOnPage(*this, "Vol06", ui_->btnVol06AddFolderToList), lists_->LevelPage());
    levelBuilder_->Connect(this);

    const std::pair<QAbstractButton*, void (Vol06RenamePage::*)()> clicks[] = {
        {ui_->btnVol06SubFolderLevelListBuilder, &Vol06RenamePage::btnVol06SubFolderLevelListBuilderClick},
        {ui_->btnVol06SmartImport, &Vol06RenamePage::btnVol06SmartImportClick},
        {ui_->btnVol06AddFolderToList, &Vol06RenamePage::btnVol06AddFolderToListClick},
        {ui_->btnVol06IncToExc, &Vol06RenamePage::btnVol06IncToExcClick},
        {ui_->btnVol06ExcToInc, &Vol06RenamePage::btnVol06ExcToIncClick},
        {ui_->btnVol06AllFromInc, &Vol06RenamePage::btnVol06AllFromIncClick},
        {ui_->btnVol06AllFromExc, &Vol06RenamePage::btnVol06AllFromExcClick},
        {ui_->btnVol06ExchangeIncToExc, &Vol06RenamePage::btnVol06ExchangeIncToExcClick},
        {ui_->btnVol06DeleteFromExcludeList, &Vol06RenamePage::btnVol06DeleteFromExcludeListClick},
        {ui_->btnVol06DeleteExcludeAll, &Vol06RenamePage::btnVol06DeleteExcludeAllClick},
        {ui_->btnVol06includeFolderList, &Vol06RenamePage::btnVol06includeFolderListClick},
        {ui_->btnVol06EditIncludeWindow, &Vol06RenamePage::btnVol06EditIncludeWindowClick},
        {ui_->btnVol06SmartExport, &Vol06RenamePage::btnVol06SmartExportClick},
        {ui_->btnVol06ClearAll, &Vol06RenamePage::btnVol06ClearAllClick},
        {ui_->btnVol06LoadFrom, &Vol06RenamePage::btnVol06LoadFromClick},
        {ui_->btnVol06SaveTo, &Vol06RenamePage::btnVol06SaveToClick},
    };
    for (const auto& [button, handler] : clicks)
        ui::OnClicked(button, [this, handler = handler] { (this->*handler)(); });
}

void Vol06RenamePage::btnVol06DeleteFromExcludeListClick() {
    // Nothing deleted leaves the page as it was, counters included.
    if (lists_->DeleteSelectedExcludeLines())
        RefreshVol06Page();
}

void Vol06RenamePage::ClearStatisticLists() {
    if (frmStatistic06)
        frmStatistic06->ClearLists();
}

void Vol06RenamePage::btnVol06ClearAllClick() {
    if (runInProgress_ || !lists_->ConfirmClearAll())
        return;
    levelBuilder_->ResetToStart();
    lists_->ClearLists();
    ui_->rdoVol06RenameAddPrefixesSuffixes->setChecked(true);
    for (QLineEdit* edit :
         {ui_->edtVol06NewPrefix, ui_->edtVol06DelimiterPrefixSubFolder,
          ui_->edtVol06DelimiterSubFolderSuffix, ui_->edtVol06NewSuffix, ui_->edtVol06RenameNewLastSubFolder})
        edit->clear();
    ui_->lblVol06StartFolder->clear();
    ui_->lblVol06EndFolder->clear();
    ui_->chkVol06ShowDetailedResults->setChecked(true);
    ResetVol06Counters();
    RenameUndoList.clear();
    RenameWorkList.clear();
    RenameSourceMissingList.clear();
    RenameDestinationExistsList.clear();
    RenameOtherReasonsList.clear();
    ShowVol06Counters();
    EnableVol06Options(false);
    lists_->ReportCleared();
}
