#include "manage/copy/TfrmStatistic08.h"

#include "tools/ExportHandOver.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistic08.h"

TfrmStatistic08* frmStatistic08 = nullptr;

TfrmStatistic08::TfrmStatistic08(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmStatistic08>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->btnStat08Ok, [this] { btnStat08OkClick(); });
    ui::OnClicked(ui_->btnStat08SmartExportFoldersCopied,
                  [this] { btnStat08SmartExportFoldersCopiedClick(); });
    ui::OnClicked(ui_->btnStat08SmartExportSubFoldersCopied,
                  [this] { btnStat08SmartExportSubFoldersCopiedClick(); });
    ui::OnClicked(ui_->btnStat08SmartExportFilesCopied, [this] { btnStat08SmartExportFilesCopiedClick(); });
    ui::OnClicked(ui_->btnStat08SmartExportFoldersNotExist,
                  [this] { btnStat08SmartExportFoldersNotExistClick(); });
    ui::OnClicked(ui_->btnStat08SmartExportSubFoldersExist,
                  [this] { btnStat08SmartExportSubFoldersExistClick(); });
    ui::OnClicked(ui_->btnStat08SmartExportFilesExist, [this] { btnStat08SmartExportFilesExistClick(); });
    FormCreate();
}

TfrmStatistic08::~TfrmStatistic08() = default;

void TfrmStatistic08::FormCreate() {
    for (ui::ListBox* list :
         {ui_->lstStat08FoldersCopied, ui_->lstStat08SubFoldersCopied, ui_->lstStat08FilesCopied,
          ui_->lstStat08FoldersNotExists, ui_->lstStat08SubFoldersExists, ui_->lstStat08FilesExists})
        list->SetHorizontalExtent(3000);
}

void TfrmStatistic08::ClearLists() {
    for (ui::ListBox* list :
         {ui_->lstStat08FoldersCopied, ui_->lstStat08SubFoldersCopied, ui_->lstStat08FilesCopied,
          ui_->lstStat08FoldersNotExists, ui_->lstStat08SubFoldersExists, ui_->lstStat08FilesExists})
        list->Clear();
}

void TfrmStatistic08::btnStat08OkClick() {
    SetModalResult(ui::Answer::Ok);
    if (isVisible())
        close();
}

void TfrmStatistic08::SmartExport(ui::ListBox* list, const std::string& number, const std::string& emptyText,
                                  QPushButton* button) {
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption =
        "Copy Folder structure(s).-From a Folder List - Level.            Warning no: " + number + ".";
    how.emptyText = emptyText;
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    HandOverToFileExport(list->Items(), how);
    button->setFocus();
}

void TfrmStatistic08::btnStat08SmartExportFoldersCopiedClick() {
    SmartExport(
        ui_->lstStat08FoldersCopied, "0435",
        "The List of Successfully Copied Main Folder Names is empty !\nAction : You must Copy at least one "
        "Main Folder to use the Smart Export Feature.",
        ui_->btnStat08SmartExportFoldersCopied);
}

void TfrmStatistic08::btnStat08SmartExportSubFoldersCopiedClick() {
    SmartExport(
        ui_->lstStat08SubFoldersCopied, "0436",
        "The List of Successfully Copied Subfolder Names is empty !\nAction : You must Copy at least one "
        "Subfolder to use the Smart Export Feature.",
        ui_->btnStat08SmartExportSubFoldersCopied);
}

void TfrmStatistic08::btnStat08SmartExportFilesCopiedClick() {
    SmartExport(
        ui_->lstStat08FilesCopied, "0437",
        "The List of Successfully Copied File Names is empty !\nAction : You must Copy at least one File "
        "to use the Smart Export Feature.",
        ui_->btnStat08SmartExportFilesCopied);
}

void TfrmStatistic08::btnStat08SmartExportFoldersNotExistClick() {
    SmartExport(ui_->lstStat08FoldersNotExists, "0438",
                "The List of Not Copied (Don't Exist) Main Folder Names is empty !\n",
                ui_->btnStat08SmartExportFoldersNotExist);
}

void TfrmStatistic08::btnStat08SmartExportSubFoldersExistClick() {
    SmartExport(ui_->lstStat08SubFoldersExists, "0439",
                "The List of Not Copied (Already Exist) Subfolder Names is empty !\n",
                ui_->btnStat08SmartExportSubFoldersExist);
}

void TfrmStatistic08::btnStat08SmartExportFilesExistClick() {
    SmartExport(ui_->lstStat08FilesExists, "0440",
                "The List of Not Copied (Already Exist) File Names is empty !\n",
                ui_->btnStat08SmartExportFilesExist);
}
