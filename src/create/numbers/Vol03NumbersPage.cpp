#include "create/numbers/Vol03NumbersPage.h"

#include "create/numbers/TfrmStatistic03.h"
#include "ui/ComboBox.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_Vol03NumbersPage.h"

namespace {

AttachWalkTexts RunWalkTexts() {
    return {"Creating Folder(s).-Increased Numbers.            Warning no: 0101.",
            "The path doesn't exists : \n",
            "Creating Folder(s).-Increased Numbers.            Warning no: 0102.",
            "The path doesn't exists : \n"};
}

AttachWalkTexts SimulationWalkTexts() {
    return {"Simulate Creating Folder(s).-Increased Numbers.            Warning no: 0469.",
            "The path doesn't exists : \n",
            "Simulate Creating Folder(s).-Increased Numbers.            Warning no: 0470.",
            "The path doesn't exists : \n"};
}

} // namespace

Vol03NumbersPage::Vol03NumbersPage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol03NumbersPage>()),
      walk_(block_, fileSizeMap_, RunWalkTexts(), SimulationWalkTexts()) {
    ui_->setupUi(this);
    block_.BindPage(*this, "lblVol03");
    ui::OnClicked(ui_->btnVol03CreateFolders, [this] { btnVol03CreateFoldersClick(); });
    ui::OnClicked(ui_->btnVol03CreateFoldersSimulation, [this] { btnVol03CreateFoldersSimulationClick(); });
    ui::OnClicked(ui_->btnVol03Undo, [this] { btnVol03UndoClick(); });
    ui::OnClicked(ui_->btnVol03Statistics, [this] { btnVol03StatisticsClick(); });
    ConnectFields();
}

Vol03NumbersPage::~Vol03NumbersPage() = default;

void Vol03NumbersPage::BindStatisticsWindow() {
    block_.BindStatistics(frmStatistic03, "lblStat03", "lstStat03");
}

void Vol03NumbersPage::ResetAllCounters() {
    block_.ResetAllCounters();
}
void Vol03NumbersPage::ResetResultCounters() {
    block_.ResetResultCounters();
}
void Vol03NumbersPage::ClearAllResultLists() {
    block_.ClearAllResultLists();
}
void Vol03NumbersPage::ClearResultLists() {
    block_.ClearResultLists();
}

void Vol03NumbersPage::ClearStatisticLists() {
    BindStatisticsWindow();
    block_.ClearStatisticLists();
}

void Vol03NumbersPage::RefreshResultLabels() {
    block_.RefreshResultLabels();
}

void Vol03NumbersPage::RefreshStatisticLabels() {
    BindStatisticsWindow();
    block_.RefreshStatisticLabels();
}

std::string Vol03NumbersPage::NumberText(int64_t number) const {
    std::string digits = std::to_string(number < 0 ? -number : number);
    if (ui_->chkVol03PaddedZeroes->isChecked() && digits.size() < static_cast<size_t>(NumberWidth))
        digits.insert(0, static_cast<size_t>(NumberWidth) - digits.size(), '0');
    return digits;
}

AttachMode Vol03NumbersPage::SelectedAttachMode() const {
    if (ui_->rdoVol03AttachMainFolderWithFiles->isChecked())
        return AttachMode::MainFolderWithFiles;
    if (ui_->rdoVol03AttachMainFolderWithoutFiles->isChecked())
        return AttachMode::MainFolderWithoutFiles;
    if (ui_->rdoVol03AttachSubFoldersOnlyWithFiles->isChecked())
        return AttachMode::SubFoldersOnlyWithFiles;
    if (ui_->rdoVol03AttachSubFoldersOnlyWithoutFiles->isChecked())
        return AttachMode::SubFoldersOnlyWithoutFiles;
    return AttachMode::Nothing;
}

std::vector<std::string> Vol03NumbersPage::StructureItems() const {
    return ui_->lstVol03AddFolderStructure->Items();
}

void Vol03NumbersPage::SetNameControlsEnabled(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->btnVol03ViewDestFolder,
                                                            ui_->lblVol03StartNumber,
                                                            ui_->edtVol03StartNumber,
                                                            ui_->lblVol03EndNumber,
                                                            ui_->edtVol03EndNumber,
                                                            ui_->lblVol03Prefix,
                                                            ui_->edtVol03Prefix,
                                                            ui_->lblVol03Suffix,
                                                            ui_->edtVol03Suffix,
                                                            ui_->chkVol03Hyphen,
                                                            ui_->chkVol03PaddedZeroes,
                                                            ui_->lblVol03StartFolderCimke,
                                                            ui_->lblVol03StartFolder,
                                                            ui_->lblVol03EndFolderCimke,
                                                            ui_->lblVol03EndFolder,
                                                            ui_->lblVol03ShowResults,
                                                            ui_->chkVol03ViewDestFolder,
                                                            ui_->chkVol03ViewDetailedResults,
                                                            ui_->btnVol03Statistics,
                                                            ui_->btnVol03Undo,
                                                            ui_->lstVol03AddFolderStructure,
                                                            ui_->btnVol03AddFolderStructure,
                                                            ui_->btnVol03ViewFolderStructure,
                                                            ui_->btnVol03RemoveFolderStructure,
                                                            ui_->rdoVol03AttachMainFolderWithFiles,
                                                            ui_->rdoVol03AttachMainFolderWithoutFiles,
                                                            ui_->rdoVol03AttachSubFoldersOnlyWithFiles,
                                                            ui_->rdoVol03AttachSubFoldersOnlyWithoutFiles,
                                                            ui_->rdoVol03AttachNothing})
        control->setEnabled(enabled);
    // lblVol03Total, lblVol03Results and the counter labels with their row
    // and column captions.
    for (QLabel* label : ui_->grpVol03Statistics->findChildren<QLabel*>())
        label->setEnabled(enabled);

    bool structures = !ui_->rdoVol03AttachNothing->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->lstVol03AddFolderStructure, ui_->btnVol03AddFolderStructure,
             ui_->btnVol03ViewFolderStructure, ui_->btnVol03RemoveFolderStructure})
        control->setEnabled(structures);
    UpdateCreateButtons(enabled);
}

void Vol03NumbersPage::UpdateCreateButtons(bool /*enabled*/) {
    bool enable = (ui_->rdoVol03AttachNothing->isEnabled() && ui_->rdoVol03AttachNothing->isChecked()) ||
                  ui_->lstVol03AddFolderStructure->Count() > 0;
    ui_->btnVol03CreateFolders->setEnabled(enable);
    ui_->btnVol03CreateFoldersSimulation->setEnabled(enable);
}

void Vol03NumbersPage::InitialiseAtStart() {
    ResetAllCounters();
    RefreshResultLabels();
    ui_->edtVol03StartNumber->setText("1");
    ui_->edtVol03EndNumber->setText("1");
    ui_->lblVol03StartFolder->clear();
    ui_->lblVol03EndFolder->clear();
    // The destination list holds the folders chosen so far and nothing else:
    // an empty entry would be a destination the person could pick.
    ui_->cboVol03DestFolders->SetItemIndex(-1);
    ui_->lstVol03AddFolderStructure->SetHorizontalExtent(3000);
    SetNameControlsEnabled(false);
}

void Vol03NumbersPage::btnVol03StatisticsClick() {
    RefreshStatisticLabels();
    if (frmStatistic03)
        frmStatistic03->show();
}
