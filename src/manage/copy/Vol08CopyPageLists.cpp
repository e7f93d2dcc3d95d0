// The copy page's Include and Exclude lists: the builder and import windows'
// results, adding a folder by hand, moving lines between the lists, deleting
// from the Exclude list, the editor, Smart Export, Clear Fields,
// examples and the list files. The steps are the manage pages' shared ones
// (ManageLists); every change ends with the page's refresh.

#include "manage/copy/Vol08CopyPage.h"

#include "common/FileHelpers.h"
#include "common/FrameworkPaths.h"
#include "manage/copy/TfrmVol08EditIncludeList.h"
#include "manage/shared/ManageLists.h"
#include "runs/PageRunGuard.h"
#include "tools/TfrmExamplesCopy.h"
#include "ui/Desktop.h"
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
    rules.whileBusy = PageRunGuard::Around(runInProgress_, *this);
    rules.refresh = [this] { RefreshVol08Page(); };
    rules.clearPageFields = [this] { ClearPageFields(); };
    rules.levels = [this](LevelBuilderPage& page) {
        page.beforeRootSelected = [this](const std::string& folder) { SummariseVol08Root(folder); };
        // This page's four level up-downs run round from the highest level to 1.
        page.upDownWraps = {true, true, true, true};
    };
    lists_ = std::make_unique<ManageLists>(
        ManagePageForm{this, "Vol08", ui_->btnVol08AddFolderToList, &runInProgress_}, std::move(rules));
}

void Vol08CopyPage::ClearPageFields() {
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
}

void Vol08CopyPage::btnVol08ExamplesClick() {
    if (frmExamplesCopy)
        ui::desktop().ShowModal(*frmExamplesCopy);
}
