#include "create/strings/TfrmStatistic02.h"

#include "tools/ExportHandOver.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistic02.h"

TfrmStatistic02* frmStatistic02 = nullptr;

TfrmStatistic02::TfrmStatistic02(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmStatistic02>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->btnStat02Ok, [this] { btnStat02OkClick(); });
    ui::OnClicked(ui_->btnStat02SmartExportFolders, [this] { btnStat02SmartExportFoldersClick(); });
    ui::OnClicked(ui_->btnStat02SmartExportSubFolders, [this] { btnStat02SmartExportSubFoldersClick(); });
    ui::OnClicked(ui_->btnStat02SmartExportFiles, [this] { btnStat02SmartExportFilesClick(); });
    ui::OnClicked(ui_->btnStat02SmartExportFoldersExists,
                  [this] { btnStat02SmartExportFoldersExistsClick(); });
    ui::OnClicked(ui_->btnStat02SmartExportFoldersOther, [this] { btnStat02SmartExportFoldersOtherClick(); });
    FormCreate();
}

TfrmStatistic02::~TfrmStatistic02() = default;

void TfrmStatistic02::FormCreate() {
    for (ui::ListBox* list :
         {ui_->lstStat02FoldersCreated, ui_->lstStat02FoldersExists, ui_->lstStat02FoldersOther,
          ui_->lstStat02SubFoldersCreated, ui_->lstStat02FilesCreated})
        list->SetHorizontalExtent(3000);
}

void TfrmStatistic02::btnStat02OkClick() {
    SetModalResult(ui::Answer::Ok);
    if (isVisible())
        close();
}

void TfrmStatistic02::SmartExport(ui::ListBox* list, const std::string& number, const std::string& emptyText,
                                  QPushButton* button) {
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = "Creating Folder(s).-From a String List.            Warning no: " + number + ".";
    how.emptyText = emptyText;
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    HandOverToFileExport(list->Items(), how);
    button->setFocus();
}

void TfrmStatistic02::btnStat02SmartExportFoldersClick() {
    SmartExport(
        ui_->lstStat02FoldersCreated, "0410",
        "The List of Successfully Created  Folder Names is empty !\nAction : You must create at least one "
        "Folder to use the Smart Export Feature.",
        ui_->btnStat02SmartExportFolders);
}

void TfrmStatistic02::btnStat02SmartExportSubFoldersClick() {
    SmartExport(
        ui_->lstStat02SubFoldersCreated, "0411",
        "The List of Successfully Created  Subfolder Names is empty !\nAction : You must create at least "
        "one Subfolder to use the Smart Export Feature.",
        ui_->btnStat02SmartExportSubFolders);
}

void TfrmStatistic02::btnStat02SmartExportFilesClick() {
    SmartExport(
        ui_->lstStat02FilesCreated, "0412",
        "The List of Successfully Created  File Names is empty !\nAction : You must create at least one "
        "File to use the Smart Export Feature.",
        ui_->btnStat02SmartExportFiles);
}

void TfrmStatistic02::btnStat02SmartExportFoldersExistsClick() {
    SmartExport(ui_->lstStat02FoldersExists, "0413", "The List of Already Created Folder Names is empty !\n",
                ui_->btnStat02SmartExportFoldersExists);
}

void TfrmStatistic02::btnStat02SmartExportFoldersOtherClick() {
    SmartExport(ui_->lstStat02FoldersOther, "0414",
                "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n",
                ui_->btnStat02SmartExportFoldersOther);
}
