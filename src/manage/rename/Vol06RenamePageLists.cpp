// The rename page's lists: filled from the subfolder list builder, the import
// window or by hand, moved between Include and Exclude, edited, exported,
// loaded from and saved to text files, and cleared with every field. The
// steps are the manage pages' shared ones (ManageLists).

#include "manage/rename/Vol06RenamePage.h"

#include "manage/rename/TfrmStatistic06.h"
#include "manage/rename/TfrmVol06EditIncludeList.h"
#include "manage/shared/ManageLists.h"
#include "runs/PageRunGuard.h"
#include "ui/ListBox.h"

#include "ui_Vol06RenamePage.h"

void Vol06RenamePage::MakeLists() {
    ManageListRules rules;
    rules.page = ManagePage::Rename;
    rules.editor = [] { return frmVol06EditIncludeList; };
    rules.focusAfterLoad = ui_->btnVol06AddFolderToList;
    // Nothing deleted from the Exclude list leaves the page as it was.
    rules.refreshWhenNothingDeleted = false;
    rules.whileBusy = PageRunGuard::Around(runInProgress_, *this);
    rules.refresh = [this] { RefreshVol06Page(); };
    rules.clearPageFields = [this] { ClearPageFields(); };
    lists_ = std::make_unique<ManageLists>(
        ManagePageForm{this, "Vol06", ui_->btnVol06AddFolderToList, &runInProgress_}, std::move(rules));
}

void Vol06RenamePage::ClearStatisticLists() {
    if (frmStatistic06)
        frmStatistic06->ClearLists();
}

void Vol06RenamePage::ClearPageFields() {
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
}
