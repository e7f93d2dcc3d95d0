#include "create/strings/Vol02StringsPage.h"

#include "create/strings/TfrmStatistic02.h"
#include "ui/ComboBox.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_Vol02StringsPage.h"

namespace {

AttachWalkTexts RunWalkTexts() {
    return {"Creating Folder(s).-From a String List.            Warning no: 0036.",
            "The path doesn't exists : \n",
            "Creating Folder(s).-From a String List.            Warning no: 0037.",
            "The path doesn't exists : \n"};
}

AttachWalkTexts SimulationWalkTexts() {
    return {"Simulate Creating Folder(s).-From a String List.            Warning no: 0459.",
            "The path doesn't exists : \n",
            "Simulate Creating Folder(s).-From a String List.            Warning no: 0460.",
            "The path doesn't exists : \n"};
}

} // namespace

Vol02StringsPage::Vol02StringsPage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol02StringsPage>()),
      walk_(block_, fileSizeMap_, RunWalkTexts(), SimulationWalkTexts()) {
    ui_->setupUi(this);
    block_.BindPage(*this, "lblVol02");
    ui::OnClicked(ui_->btnVol02CreateFolders, [this] { btnVol02CreateFoldersClick(); });
    ui::OnClicked(ui_->btnVol02CreateFoldersSimulation, [this] { btnVol02CreateFoldersSimulationClick(); });
    ui::OnClicked(ui_->btnVol02Undo, [this] { btnVol02UndoClick(); });
    ui::OnClicked(ui_->btnVol02Statistic, [this] { btnVol02StatisticClick(); });
    ConnectListsAndFields();
}

Vol02StringsPage::~Vol02StringsPage() = default;

void Vol02StringsPage::BindStatisticsWindow() {
    block_.BindStatistics(frmStatistic02, "lblStat02", "lstStat02");
}

void Vol02StringsPage::ResetAllCounters() {
    block_.ResetAllCounters();
}
void Vol02StringsPage::ResetResultCounters() {
    block_.ResetResultCounters();
}
void Vol02StringsPage::ClearAllResultLists() {
    block_.ClearAllResultLists();
}
void Vol02StringsPage::ClearResultLists() {
    block_.ClearResultLists();
}

void Vol02StringsPage::ClearStatisticLists() {
    BindStatisticsWindow();
    block_.ClearStatisticLists();
}

void Vol02StringsPage::RefreshResultLabels() {
    block_.RefreshResultLabels();
}

void Vol02StringsPage::RefreshStatisticLabels() {
    BindStatisticsWindow();
    block_.RefreshStatisticLabels();
}

void Vol02StringsPage::RecordCreated(const std::string& name,
                                     const std::optional<platform::EntryDetails>& made) {
    BindStatisticsWindow();
    block_.RecordCreated(name, made);
}

void Vol02StringsPage::RecordExists(const std::string& name) {
    BindStatisticsWindow();
    block_.RecordExists(name, ui_->rdoVol02AttachNothing->isChecked() ? nullptr : &structureTotals_);
}

void Vol02StringsPage::RecordOther(const std::string& name) {
    BindStatisticsWindow();
    block_.RecordOther(name, ui_->rdoVol02AttachNothing->isChecked() ? nullptr : &structureTotals_);
}

AttachMode Vol02StringsPage::SelectedAttachMode() const {
    if (ui_->rdoVol02AttachMainFolderWithFiles->isChecked())
        return AttachMode::MainFolderWithFiles;
    if (ui_->rdoVol02AttachMainFolderWithoutFiles->isChecked())
        return AttachMode::MainFolderWithoutFiles;
    if (ui_->rdoVol02AttachSubFoldersOnlyWithFiles->isChecked())
        return AttachMode::SubFoldersOnlyWithFiles;
    if (ui_->rdoVol02AttachSubFoldersOnlyWithoutFiles->isChecked())
        return AttachMode::SubFoldersOnlyWithoutFiles;
    return AttachMode::Nothing;
}

std::vector<std::string> Vol02StringsPage::StructureItems() const {
    return ui_->lstVol02AddFolderStructure->Items();
}

std::vector<std::string> Vol02StringsPage::IncludeItems() const {
    return ui_->lstVol02IncludeStrings->Items();
}

void Vol02StringsPage::SetPageControlsEnabled(bool enabled) {
    SetListControlsEnabled(enabled);
    SetNameControlsEnabled(enabled);
}

void Vol02StringsPage::SetListControlsEnabled(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->lblVol02AddToList,        ui_->edtVol02AddToList,       ui_->btnVol02AddToList,
             ui_->lstVol02IncludeStrings,   ui_->lblVol02IncludeStrings,  ui_->lstVol02ExcludeStrings,
             ui_->lblVol02ExcludeStrings,   ui_->btnVol02IncToExc,        ui_->btnVol02ExcToInc,
             ui_->btnVol02AllFromInc,       ui_->btnVol02AllFromExc,      ui_->btnVol02SmartImport,
             ui_->btnVol02SmartExport,      ui_->btnVol02EditIncludeList, ui_->btnVol02DeleteFromExclude,
             ui_->btnVol02DeleteExcludeAll, ui_->lblVol02IncludeSum,      ui_->lblVol02IncludeSumCim,
             ui_->lblVol02ExcludeSum,       ui_->lblVol02ExcludeSumCim})
        control->setEnabled(enabled);
}

void Vol02StringsPage::SetNameControlsEnabled(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->edtVol02Prefix,
                                                            ui_->lblVol02Prefix,
                                                            ui_->edtVol02Suffix,
                                                            ui_->lblVol02Suffix,
                                                            ui_->chkVol02Hyphen,
                                                            ui_->lblVol02StartFolder,
                                                            ui_->lblVol02EndFolder,
                                                            ui_->lblVol02StartFolderCimke,
                                                            ui_->lblVol02EndFolderCimke,
                                                            ui_->chkVol02ViewDetailedResults,
                                                            ui_->chkVol02ViewDestFolder,
                                                            ui_->btnVol02Undo,
                                                            ui_->btnVol02Statistic,
                                                            ui_->lstVol02AddFolderStructure,
                                                            ui_->btnVol02AddFolderStructure,
                                                            ui_->btnVol02ViewFolderStructure,
                                                            ui_->btnVol02RemoveFolderStructure,
                                                            ui_->rdoVol02AttachMainFolderWithFiles,
                                                            ui_->rdoVol02AttachMainFolderWithoutFiles,
                                                            ui_->rdoVol02AttachSubFoldersOnlyWithFiles,
                                                            ui_->rdoVol02AttachSubFoldersOnlyWithoutFiles,
                                                            ui_->rdoVol02AttachNothing})
        control->setEnabled(enabled);
    // The statistics labels and their row and column captions.
    for (QLabel* label : ui_->grpVol02Statistics->findChildren<QLabel*>())
        label->setEnabled(enabled);

    bool structures = !ui_->rdoVol02AttachNothing->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->lstVol02AddFolderStructure, ui_->btnVol02AddFolderStructure,
             ui_->btnVol02ViewFolderStructure, ui_->btnVol02RemoveFolderStructure})
        control->setEnabled(structures);
    UpdateCreateButtons(true);
}

void Vol02StringsPage::UpdateCreateButtons(bool /*enabled*/) {
    bool enable = (ui_->rdoVol02AttachNothing->isEnabled() && ui_->rdoVol02AttachNothing->isChecked()) ||
                  ui_->lstVol02AddFolderStructure->Count() > 0;
    ui_->btnVol02CreateFolders->setEnabled(enable);
    ui_->btnVol02CreateFoldersSimulation->setEnabled(enable);
}

void Vol02StringsPage::btnVol02StatisticClick() {
    RefreshStatisticLabels();
    if (frmStatistic02)
        frmStatistic02->show();
}
