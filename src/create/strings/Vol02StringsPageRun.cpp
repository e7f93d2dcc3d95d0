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

CreationRunTexts RunTexts() {
    CreationRunTexts texts;
    texts.noStructureCaption = Title + "Warning no: 0023.";
    texts.missingStructureCaption = Title + "Warning no: 0024.";
    texts.questionCaption = "Creating Folder(s).-From  a String List.            Information no: 0025.";
    texts.questionText = "Do you want to create folders ?\n";
    texts.emptyListCaption = Title + "Warning no: 0027.";
    texts.emptyListText =
        "The Include list is empty !!!\nYou must enter at least one item to create folders.";
    texts.refusalCaption = Title + "Warning no: 0373.";
    texts.endCaption = Title + "Information no: 0026.";
    texts.endText = "End of Creating Folders/Files !!!";
    // The tabs a real run disables, so that no other page is used meanwhile.
    texts.disabledTabs = {"tabFolderCreate05", "tabFolderCreate04",  "tabFolderCreate01",
                          "tabFoldersCopy02",  "tabFoldersRename01", "tabFoldersDelete01"};
    return texts;
}

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
    CreateFolders(RunTexts());
}

void Vol02StringsPage::CreateFolders(const CreationRunTexts& texts) {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);

    if (WithFilesModeChecked() && !CheckFreeSpace(true))
        return;
    if (!CheckStructures(texts.noStructureCaption, texts.missingStructureCaption))
        return;
    if (ui::ShowBox(this, texts.questionCaption, texts.questionText, ui::Icon::Question, ui::Buttons::YesNo,
                    ui::Answer::No) != ui::Answer::Yes)
        return;

    PrepareStatisticsWindow(!texts.simulate);
    BeginCreationRun(block_, walk_, texts.simulate);
    if (ui_->chkVol02ViewDetailedResults->isChecked() && frmStatistic02)
        frmStatistic02->show();

    OtherTabsDisabled tabs(mainWindow_, texts.disabledTabs);
    const _tagVol0XParts parts = BuildNameParts();
    const std::vector<std::string> items = IncludeItems();
    if (items.empty()) {
        ui::ShowBox(this, texts.emptyListCaption, texts.emptyListText, ui::Icon::Warning);
    } else {
        MainFolderStepSettings settings;
        settings.simulate = texts.simulate;
        settings.mode = SelectedAttachMode();
        settings.structures = StructureItems();
        settings.totals = &structureTotals_;
        settings.chargeExists = settings.chargeOther = true;
        settings.owner = this;
        settings.refusalCaption = texts.refusalCaption;
        MainFolderStep step(block_, walk_, std::move(settings));
        const std::string destination = Trim(ui_->cboVol02DestFolders->Text());
        ForEachRunItem(block_.Repaints(), {window(), frmStatistic02}, *ui_->pbVol02ProgressBar, items.size(),
                       [&](uint64_t i) { StepItem(step, items[i], parts, destination); });
        ui_->pbVol02ProgressBar->hide();
        ShowRunEndBox(this, texts.endCaption, texts.endText, block_.Counters, ui::Icon::Information);
        if (ui_->chkVol02ViewDestFolder->isChecked())
            ui::OpenInShell(Trim(ui_->cboVol02DestFolders->Text()));
    }
    ui_->pbVol02ProgressBar->hide();
    tabs.EnableAgain();
}

void Vol02StringsPage::StepItem(MainFolderStep& step, const std::string& item, const _tagVol0XParts& parts,
                                const std::string& destination) {
    if (!Trim(ExtractFileDrive(item)).empty()) {
        step.Other(item);
        return;
    }
    const std::string name = parts.NameOf(item);
    // An item that ".." leads out of the destination (it came from a list
    // file, the import or the editor: typing refuses it) is never created.
    if (Trim(ExtractFileDrive(name)).empty() || LeavesFolder(destination, name)) {
        step.Other(name);
        return;
    }
    step.MainFolder(name);
}
