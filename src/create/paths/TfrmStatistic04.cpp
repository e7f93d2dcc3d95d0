#include "create/paths/TfrmStatistic04.h"

#include "tools/ExportHandOver.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistic04.h"

TfrmStatistic04* frmStatistic04 = nullptr;

TfrmStatistic04::TfrmStatistic04(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmStatistic04>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->btnStat04Ok, [this] { btnStat04OkClick(); });
    ui::OnClicked(ui_->btnStat04SmartExportFolders, [this] { btnStat04SmartExportFoldersClick(); });
    ui::OnClicked(ui_->btnStat04SmartExportSubFolders, [this] { btnStat04SmartExportSubFoldersClick(); });
    ui::OnClicked(ui_->btnStat04SmartExportFiles, [this] { btnStat04SmartExportFilesClick(); });
    ui::OnClicked(ui_->btnStat04SmartExportDoldersAlreadyExists,
                  [this] { btnStat04SmartExportDoldersAlreadyExistsClick(); });
    ui::OnClicked(ui_->btnStat04SmartExportFoldersOtherReasons,
                  [this] { btnStat04SmartExportFoldersOtherReasonsClick(); });
    FormCreate();
}

TfrmStatistic04::~TfrmStatistic04() = default;

void TfrmStatistic04::FormCreate() {
    for (ui::ListBox* list :
         {ui_->lstStat04FoldersCreated, ui_->lstStat04FoldersExists, ui_->lstStat04FoldersOther,
          ui_->lstStat04SubFoldersCreated, ui_->lstStat04FilesCreated})
        list->SetHorizontalExtent(3000);
}

void TfrmStatistic04::btnStat04OkClick() {
    SetModalResult(ui::Answer::Ok);
    if (isVisible())
        close();
}

void TfrmStatistic04::SmartExport(ui::ListBox* list, const std::string& number, const std::string& emptyText,
                                  QPushButton* button) {
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = "Creating Folder(s).-From a Folder List.            Warning no: " + number + ".";
    how.emptyText = emptyText;
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    HandOverToFileExport(list->Items(), how);
    button->setFocus();
}

void TfrmStatistic04::btnStat04SmartExportFoldersClick() {
    SmartExport(
        ui_->lstStat04FoldersCreated, "0420",
        "The List of Successfully Created  Folder Names is empty !\nAction : You must create at least one "
        "Folder to use the Smart Export Feature.",
        ui_->btnStat04SmartExportFolders);
}

void TfrmStatistic04::btnStat04SmartExportSubFoldersClick() {
    SmartExport(
        ui_->lstStat04SubFoldersCreated, "0421",
        "The List of Successfully Created  Subfolder Names is empty !\nAction : You must create at least "
        "one Subfolder to use the Smart Export Feature.",
        ui_->btnStat04SmartExportSubFolders);
}

void TfrmStatistic04::btnStat04SmartExportFilesClick() {
    SmartExport(
        ui_->lstStat04FilesCreated, "0422",
        "The List of Successfully Created  File Names is empty !\nAction : You must create at least one "
        "File to use the Smart Export Feature.",
        ui_->btnStat04SmartExportFiles);
}

void TfrmStatistic04::btnStat04SmartExportDoldersAlreadyExistsClick() {
    SmartExport(ui_->lstStat04FoldersExists, "0423", "The List of Already Created Folder Names is empty !\n",
                ui_->btnStat04SmartExportDoldersAlreadyExists);
}

void TfrmStatistic04::btnStat04SmartExportFoldersOtherReasonsClick() {
    SmartExport(ui_->lstStat04FoldersOther, "0424",
                "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n",
                ui_->btnStat04SmartExportFoldersOtherReasons);
}
