// The strings page's create run and the routines it relies on: the name
// parts, the structure scan and the free-space check.

#include "create/strings/Vol02StringsPage.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathValidation.h"
#include "create/engine/PageRunGuard.h"
#include "create/engine/RunChecks.h"
#include "create/engine/RunEndBox.h"
#include "create/engine/StructureScan.h"
#include "create/strings/TfrmStatistic02.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"
#include "ui/ShellOpening.h"

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a String List.            ";

// The tabs a real run disables, so that no other page is used meanwhile.
const std::vector<std::string> RunDisabledTabs = {"tabFolderCreate05",  "tabFolderCreate04",
                                                  "tabFolderCreate01",  "tabFoldersCopy02",
                                                  "tabFoldersRename01", "tabFoldersDelete01"};

} // namespace

_tagVol0XParts Vol02StringsPage::BuildNameParts() const {
    return BuildDestinationNameParts(
        ui_->cboVol02DestFolders->Text(), ui_->edtVol02Prefix->text().toStdString(),
        ui_->edtVol02Suffix->text().toStdString(), ui_->chkVol02Hyphen->isChecked());
}

void Vol02StringsPage::ScanAllStructures(bool withFiles) {
    bool subfoldersOnly = ui_->rdoVol02AttachSubFoldersOnlyWithFiles->isChecked() ||
                          ui_->rdoVol02AttachSubFoldersOnlyWithoutFiles->isChecked();
    ::ScanAllStructures(StructureItems(), !subfoldersOnly, withFiles, structureTotals_, fileSizeMap_);
}

bool Vol02StringsPage::CheckFreeSpace(bool withFiles) {
    ScanAllStructures(withFiles);
    uint64_t n = static_cast<uint64_t>(ui_->lstVol02IncludeStrings->Count());
    FreeSpaceResult space = CheckDestinationFreeSpace(n, ui_->cboVol02DestFolders->Text(), structureTotals_);
    if (n == 0)
        return false;
    if (space.enough) {
        block_.Counters.ToCreate = PlannedRow(n, structureTotals_);
        return true;
    }
    ui::ShowBox(this, Title + "Information no: 0035.", NotEnoughSpaceText(space), ui::Icon::Warning);
    return false;
}

bool Vol02StringsPage::CheckStructures(const std::string& emptyCaption, const std::string& missingCaption) {
    return CheckAttachStructures(this, SelectedAttachMode(), StructureItems(), emptyCaption, missingCaption,
                                 ui_->btnVol02AddFolderStructure);
}

void Vol02StringsPage::PrepareStatisticsWindow(bool realRun) {
    BindStatisticsWindow();
    if (!frmStatistic02)
        return;
    Ui::TfrmStatistic02& statistics = frmStatistic02->Controls();
    ShowRunKind(*statistics.chkStat02NormalSimulate, *statistics.lblVol02NormalSimulate, realRun);
}

void Vol02StringsPage::btnVol02CreateFoldersClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);

    if (WithFilesModeChecked() && !CheckFreeSpace(true))
        return;
    if (!CheckStructures(Title + "Warning no: 0023.", Title + "Warning no: 0024."))
        return;
    if (ui::ShowBox(this, "Creating Folder(s).-From  a String List.            Information no: 0025.",
                    "Do you want to create folders ?\n", ui::Icon::Question, ui::Buttons::YesNo,
                    ui::Answer::No) != ui::Answer::Yes)
        return;

    PrepareStatisticsWindow(true);
    ResetResultCounters();
    ClearAllResultLists();
    walk_.CreatedFilesList.clear();
    walk_.ClearOwnFolders();
    ClearStatisticLists();
    RefreshResultLabels();
    RefreshStatisticLabels();
    if (ui_->chkVol02ViewDetailedResults->isChecked() && frmStatistic02)
        frmStatistic02->show();

    OtherTabsDisabled tabs(mainWindow_, RunDisabledTabs);
    _tagVol0XParts parts = BuildNameParts();
    std::vector<std::string> items = IncludeItems();
    if (items.empty()) {
        ui::ShowBox(this, Title + "Warning no: 0027.",
                    "The Include list is empty !!!\nYou must enter at least one item to create folders.",
                    ui::Icon::Warning);
    } else {
        AttachMode mode = SelectedAttachMode();
        std::vector<std::string> structures = StructureItems();
        ForEachRunItem(block_.Repaints(), {window(), frmStatistic02}, *ui_->pbVol02ProgressBar, items.size(),
                       [&](uint64_t i) { ProcessRunItem(items[i], parts, mode, structures); });
        ui_->pbVol02ProgressBar->hide();
        ShowRunEndBox(this, Title + "Information no: 0026.", "End of Creating Folders/Files !!!",
                      block_.Counters, ui::Icon::Information);
        if (ui_->chkVol02ViewDestFolder->isChecked())
            ui::OpenInShell(Trim(ui_->cboVol02DestFolders->Text()));
    }
    ui_->pbVol02ProgressBar->hide();
    tabs.EnableAgain();
}

void Vol02StringsPage::ProcessRunItem(const std::string& item, const _tagVol0XParts& parts, AttachMode mode,
                                      const std::vector<std::string>& structures) {
    if (!Trim(ExtractFileDrive(item)).empty()) {
        RecordOther(item);
        return;
    }
    std::string name = parts.NameOf(item);
    if (Trim(ExtractFileDrive(name)).empty()) {
        RecordOther(name);
        return;
    }
    // An item that ".." leads out of the destination (it came from a list
    // file, the import or the editor: typing refuses it) is never created.
    if (LeavesFolder(Trim(ui_->cboVol02DestFolders->Text()), name)) {
        RecordOther(name);
        return;
    }
    // Only what this item adds to the disk is the walk's own: a structure that
    // contains the destination must not copy it into the next new folder.
    std::string created;
    std::optional<platform::EntryDetails> made;
    const bool mostlyNew = block_.Counters.Created.Folders >= block_.Counters.Exists.Folders;
    switch (CreateMainFolder(name, mode != AttachMode::Nothing, mostlyNew, created, made)) {
    case MainFolderResult::Exists:
        RecordExists(name);
        return;
    case MainFolderResult::Failed:
        RecordOther(name);
        return;
    case MainFolderResult::Created:
        break;
    }
    RecordCreated(name, made);
    if (mode == AttachMode::Nothing)
        return;
    walk_.AddOwnFolder(created);
    AttachStructures(walk_, block_.Repaints(), this, Title + "Warning no: 0373.", name, mode, structures,
                     false);
}
