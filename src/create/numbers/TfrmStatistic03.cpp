#include "create/numbers/TfrmStatistic03.h"

#include "tools/ExportHandOver.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistic03.h"

TfrmStatistic03* frmStatistic03 = nullptr;

TfrmStatistic03::TfrmStatistic03(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmStatistic03>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->btnStat03Ok, [this] { btnStat03OkClick(); });
    ui::OnClicked(ui_->btnStat03SmartExportFolders, [this] { btnStat03SmartExportFoldersClick(); });
    ui::OnClicked(ui_->btnStat03SmartExportSubFolders, [this] { btnStat03SmartExportSubFoldersClick(); });
    ui::OnClicked(ui_->btnStat03SmartExportFiles, [this] { btnStat03SmartExportFilesClick(); });
    ui::OnClicked(ui_->btnStat03SmartExportAlreadyExists,
                  [this] { btnStat03SmartExportAlreadyExistsClick(); });
    ui::OnClicked(ui_->btnStat03SmartExportOtherReasons, [this] { btnStat03SmartExportOtherReasonsClick(); });
    FormCreate();
}

TfrmStatistic03::~TfrmStatistic03() = default;

void TfrmStatistic03::FormCreate() {
    for (ui::ListBox* list :
         {ui_->lstStat03FoldersCreated, ui_->lstStat03FoldersExists, ui_->lstStat03FoldersOther,
          ui_->lstStat03SubFoldersCreated, ui_->lstStat03FilesCreated})
        list->SetHorizontalExtent(3000);
}

void TfrmStatistic03::btnStat03OkClick() {
    SetModalResult(ui::Answer::Ok);
    if (isVisible())
        close();
}

void TfrmStatistic03::SmartExport(ui::ListBox* list, const std::string& number, const std::string& emptyText,
                                  QPushButton* button) {
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = "Creating Folder(s).-Increased Numbers.            Warning no: " + number + ".";
    how.emptyText = emptyText;
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    HandOverToFileExport(list->Items(), how);
    button->setFocus();
}

void TfrmStatistic03::btnStat03SmartExportFoldersClick() {
    SmartExport(
        ui_->lstStat03FoldersCreated, "0415",
        "The List of Successfully Created  Folder Names is empty !\nAction : You must create at least one "
        "Folder to use the Smart Export Feature.",
        ui_->btnStat03SmartExportFolders);
}

void TfrmStatistic03::btnStat03SmartExportSubFoldersClick() {
    SmartExport(
        ui_->lstStat03SubFoldersCreated, "0416",
        "The List of Successfully Created  Subfolder Names is empty !\nAction : You must create at least "
        "one Subfolder to use the Smart Export Feature.",
        ui_->btnStat03SmartExportSubFolders);
}

void TfrmStatistic03::btnStat03SmartExportFilesClick() {
    SmartExport(
        ui_->lstStat03FilesCreated, "0417",
        "The List of Successfully Created  File Names is empty !\nAction : You must create at least one "
        "File to use the Smart Export Feature.",
        ui_->btnStat03SmartExportFiles);
}

void TfrmStatistic03::btnStat03SmartExportAlreadyExistsClick() {
    SmartExport(ui_->lstStat03FoldersExists, "0418", "The List of Already Created Folder Names is empty !\n",
                ui_->btnStat03SmartExportAlreadyExists);
}

void TfrmStatistic03::btnStat03SmartExportOtherReasonsClick() {
    SmartExport(ui_->lstStat03FoldersOther, "0419",
                "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n",
                ui_->btnStat03SmartExportOtherReasons);
}
