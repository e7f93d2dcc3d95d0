#include "manage/delete/TfrmStatistics07.h"

#include "tools/ExportHandOver.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistics07.h"

#include <QLabel>

TfrmStatistics07* frmStatistics07 = nullptr;

namespace {

const std::string FolderCaption = "Delete Folder(s).- From a Folder List.            Warning no: ";
const std::string FileCaption = "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: ";

} // namespace

TfrmStatistics07::TfrmStatistics07(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmStatistics07>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->btnStat07Ok, [this] { btnStat07OkClick(); });
    ui::OnClicked(ui_->btnStat07SmartExportFoldersDeleted,
                  [this] { btnStat07SmartExportFoldersDeletedClick(); });
    ui::OnClicked(ui_->btnStat07SmartExportFoldersNotExist,
                  [this] { btnStat07SmartExportFoldersNotExistClick(); });
    ui::OnClicked(ui_->btnStat07SmartExportFoldersOtherReasons,
                  [this] { btnStat07SmartExportFoldersOtherReasonsClick(); });
    ui::OnClicked(ui_->btnStat07SmartExportFilesDeleted, [this] { btnStat07SmartExportFilesDeletedClick(); });
    ui::OnClicked(ui_->btnStat07SmartExportFilesNotExists,
                  [this] { btnStat07SmartExportFilesNotExistsClick(); });
    ui::OnClicked(ui_->btnStat07SmartExportFilesOtherReasons,
                  [this] { btnStat07SmartExportFilesOtherReasonsClick(); });
    FormCreate();
}

TfrmStatistics07::~TfrmStatistics07() = default;

void TfrmStatistics07::FormCreate() {
    for (ui::ListBox* list :
         {ui_->lstStat07FoldersDeleted, ui_->lstStat07FoldersNotExists, ui_->lstStat07FoldersOtherReasons,
          ui_->lstStat07FilesDeleted, ui_->lstStat07FilesNotExists, ui_->lstStat07FilesOtherReasons})
        list->SetHorizontalExtent(3000);
    for (QLabel* label :
         {ui_->lblStat07FoldersToDelete, ui_->lblStat07FoldersDeleted, ui_->lblStat07FoldersNotExists,
          ui_->lblStat07FoldersOtherReasons, ui_->lblStat07FilesToDelete, ui_->lblStat07FilesDeleted,
          ui_->lblStat07FilesNotExists, ui_->lblStat07FilesOtherReasons})
        label->setText("0");
}

void TfrmStatistics07::btnStat07OkClick() {
    SetModalResult(ui::Answer::Ok);
    if (isVisible())
        close();
}

void TfrmStatistics07::SmartExport(ui::ListBox* list, const std::string& caption,
                                   const std::string& emptyText, QPushButton* button) {
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = caption;
    how.emptyText = emptyText;
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    HandOverToFileExport(list->Items(), how);
    button->setFocus();
}

void TfrmStatistics07::btnStat07SmartExportFoldersDeletedClick() {
    SmartExport(
        ui_->lstStat07FoldersDeleted, FolderCaption + "0566.",
        "The List of Successfully Deleted Folder Names is empty !\nAction : You must Delete at least one "
        "Folder to use the Smart Export Feature.",
        ui_->btnStat07SmartExportFoldersDeleted);
}

void TfrmStatistics07::btnStat07SmartExportFoldersNotExistClick() {
    SmartExport(ui_->lstStat07FoldersNotExists, FolderCaption + "0433.",
                "The List of Not Deleted ( Folders don't Exist) Folder Names is empty !\n",
                ui_->btnStat07SmartExportFoldersNotExist);
}

void TfrmStatistics07::btnStat07SmartExportFoldersOtherReasonsClick() {
    SmartExport(ui_->lstStat07FoldersOtherReasons, FolderCaption + "0434.",
                "The List of Not Deleted ( Other Reasons) Folder Names is empty !\n",
                ui_->btnStat07SmartExportFoldersOtherReasons);
}

void TfrmStatistics07::btnStat07SmartExportFilesDeletedClick() {
    SmartExport(
        ui_->lstStat07FilesDeleted, FileCaption + "0432.",
        "The List of Successfully Deleted File Names is empty !\nAction : You must Delete at least one "
        "File to use the Smart Export Feature.",
        ui_->btnStat07SmartExportFilesDeleted);
}

void TfrmStatistics07::btnStat07SmartExportFilesNotExistsClick() {
    SmartExport(ui_->lstStat07FilesNotExists, FileCaption + "0433.",
                "The List of Not Deleted ( Files don't Exist) File Names is empty !\n",
                ui_->btnStat07SmartExportFilesNotExists);
}

void TfrmStatistics07::btnStat07SmartExportFilesOtherReasonsClick() {
    SmartExport(ui_->lstStat07FilesOtherReasons, FileCaption + "0434.",
                "The List of Not Deleted ( Other Reasons) File Names is empty !\n",
                ui_->btnStat07SmartExportFilesOtherReasons);
}
