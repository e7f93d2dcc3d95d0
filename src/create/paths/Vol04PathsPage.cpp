#include "create/paths/Vol04PathsPage.h"

#include "create/paths/TfrmStatistic04.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_Vol04PathsPage.h"

#include <QLabel>

namespace {

AttachWalkTexts RunWalkTexts() {
    return {"Creating Folder(s).-From a Folder List.            Warning no: 0072.",
            "The path doesn't exists : \n",
            "Creating Folder(s).-From a Folder List.            Warning no: 0073.",
            "The path doesn't exist : \n"};
}

AttachWalkTexts SimulationWalkTexts() {
    return {"Simulate Creating Folder(s).-From a Folder List.            Warning no: 0477.",
            "The path doesn't exists : \n",
            "Simulate Creating Folder(s).-From a Folder List.            Warning no: 0478.",
            "The path doesn't exists : \n"};
}

} // namespace

Vol04PathsPage::Vol04PathsPage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol04PathsPage>()),
      walk_(block_, fileSizeMap_, RunWalkTexts(), SimulationWalkTexts()) {
    ui_->setupUi(this);
    block_.BindPage(*this, "lblVol04");
    ui::OnClicked(ui_->btnVol04CreateFolders, [this] { btnVol04CreateFoldersClick(); });
    ui::OnClicked(ui_->btnVol04CreateFoldersSimulation, [this] { btnVol04CreateFoldersSimulationClick(); });
    ui::OnClicked(ui_->btnVol04Undo, [this] { btnVol04UndoClick(); });
    ui::OnClicked(ui_->btnVol04Statistics, [this] { btnVol04StatisticsClick(); });
    ConnectListsAndFields();
}

Vol04PathsPage::~Vol04PathsPage() = default;

void Vol04PathsPage::BindStatisticsWindow() {
    block_.BindStatistics(frmStatistic04, "lblStat04", "lstStat04");
}

void Vol04PathsPage::ResetAllCounters() {
    block_.ResetAllCounters();
}
void Vol04PathsPage::ResetResultCounters() {
    block_.ResetResultCounters();
}
void Vol04PathsPage::ClearAllResultLists() {
    block_.ClearAllResultLists();
}
void Vol04PathsPage::ClearResultLists() {
    block_.ClearResultLists();
}

void Vol04PathsPage::ClearStatisticLists() {
    BindStatisticsWindow();
    block_.ClearStatisticLists();
}

void Vol04PathsPage::RefreshResultLabels() {
    block_.RefreshResultLabels();
}

void Vol04PathsPage::RefreshStatisticLabels() {
    BindStatisticsWindow();
    block_.RefreshStatisticLabels();
}

void Vol04PathsPage::RecordCreated(const std::string& name,
                                   const std::optional<platform::EntryDetails>& made) {
    BindStatisticsWindow();
    block_.RecordCreated(name, made);
}

void Vol04PathsPage::RecordOther(const std::string& name) {
    BindStatisticsWindow();
    block_.RecordOther(name, OtherCharge());
}

const StructureTotals* Vol04PathsPage::OtherCharge() const {
    return ui_->rdoVol04AttachNothing->isChecked() ? nullptr : &structureTotals_;
}

AttachMode Vol04PathsPage::SelectedAttachMode() const {
    if (ui_->rdoVol04AttachMainFolderWithFiles->isChecked())
        return AttachMode::MainFolderWithFiles;
    if (ui_->rdoVol04AttachMainFolderWithoutFiles->isChecked())
        return AttachMode::MainFolderWithoutFiles;
    if (ui_->rdoVol04AttachSubFoldersOnlyWithFiles->isChecked())
        return AttachMode::SubFoldersOnlyWithFiles;
    if (ui_->rdoVol04AttachSubFoldersOnlyWithoutFiles->isChecked())
        return AttachMode::SubFoldersOnlyWithoutFiles;
    return AttachMode::Nothing;
}

std::vector<std::string> Vol04PathsPage::StructureItems() const {
    return ui_->lstVol04AddFolderStructure->Items();
}

std::vector<std::string> Vol04PathsPage::IncludeItems() const {
    return ui_->lstVol04IncludeFolderList->Items();
}

void Vol04PathsPage::SetPageControlsEnabled(bool enabled) {
    SetNameControlsEnabled(enabled);
}

void Vol04PathsPage::SetNameControlsEnabled(bool enabled) {
    // The list controls are never disabled: a line is all the page needs.
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->edtVol04Prefix,
                                                            ui_->lblVol04Prefix,
                                                            ui_->edtVol04Suffix,
                                                            ui_->lblVol04Suffix,
                                                            ui_->chkVol04Hyphen,
                                                            ui_->lblVol04StartFolder,
                                                            ui_->lblVol04EndFolder,
                                                            ui_->lblVol04StartFolderCimke,
                                                            ui_->lblVol04EndFolderCimke,
                                                            ui_->chkVol04ViewDetailedResults,
                                                            ui_->btnVol04Undo,
                                                            ui_->btnVol04Statistics,
                                                            ui_->lstVol04AddFolderStructure,
                                                            ui_->btnVol04AddFolderStructure,
                                                            ui_->btnVol04ViewFolderStructure,
                                                            ui_->btnVol04RemoveFolderStructure,
                                                            ui_->rdoVol04AttachMainFolderWithFiles,
                                                            ui_->rdoVol04AttachMainFolderWithoutFiles,
                                                            ui_->rdoVol04AttachSubFoldersOnlyWithFiles,
                                                            ui_->rdoVol04AttachSubFoldersOnlyWithoutFiles,
                                                            ui_->rdoVol04AttachNothing})
        control->setEnabled(enabled);
    for (QLabel* label : ui_->grpVol04Statistics->findChildren<QLabel*>())
        label->setEnabled(enabled);
    // With "Attach Nothing." the structure controls stay off, as its click left them.
    if (enabled && ui_->rdoVol04AttachNothing->isChecked()) {
        for (QWidget* control : std::initializer_list<QWidget*>{
                 ui_->lstVol04AddFolderStructure, ui_->btnVol04AddFolderStructure,
                 ui_->btnVol04ViewFolderStructure, ui_->btnVol04RemoveFolderStructure})
            control->setEnabled(false);
    }
    UpdateCreateButtons(enabled);
}

void Vol04PathsPage::UpdateCreateButtons(bool /*enabled*/) {
    bool enable = (ui_->rdoVol04AttachNothing->isEnabled() && ui_->rdoVol04AttachNothing->isChecked()) ||
                  ui_->lstVol04AddFolderStructure->Count() > 0;
    ui_->btnVol04CreateFolders->setEnabled(enable);
    ui_->btnVol04CreateFoldersSimulation->setEnabled(enable);
}

void Vol04PathsPage::btnVol04StatisticsClick() {
    RefreshStatisticLabels();
    if (frmStatistic04)
        frmStatistic04->show();
}
