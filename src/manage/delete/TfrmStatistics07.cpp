#include "manage/delete/TfrmStatistics07.h"

#include "ui_TfrmStatistics07.h"

#include <QLabel>

TfrmStatistics07* frmStatistics07 = nullptr;

TfrmStatistics07::TfrmStatistics07(QWidget* parent) : WindowWithForm(parent) {
    const std::string folders = "Delete Folder(s).- From a Folder List.            Warning no: ";
    const std::string files = "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: ";
    Ui::TfrmStatistics07& form = Controls();
    Attach(
        form.btnStat07Ok,
        {{form.lstStat07FoldersDeleted, form.btnStat07SmartExportFoldersDeleted, folders + "0566.",
          "The List of Successfully Deleted Folder Names is empty !\nAction : You must Delete at least one "
          "Folder to use the Smart Export Feature."},
         {form.lstStat07FoldersNotExists, form.btnStat07SmartExportFoldersNotExist, folders + "0433.",
          "The List of Not Deleted ( Folders don't Exist) Folder Names is empty !\n"},
         {form.lstStat07FoldersOtherReasons, form.btnStat07SmartExportFoldersOtherReasons, folders + "0434.",
          "The List of Not Deleted ( Other Reasons) Folder Names is empty !\n"},
         {form.lstStat07FilesDeleted, form.btnStat07SmartExportFilesDeleted, files + "0432.",
          "The List of Successfully Deleted File Names is empty !\nAction : You must Delete at least one "
          "File to use the Smart Export Feature."},
         {form.lstStat07FilesNotExists, form.btnStat07SmartExportFilesNotExists, files + "0433.",
          "The List of Not Deleted ( Files don't Exist) File Names is empty !\n"},
         {form.lstStat07FilesOtherReasons, form.btnStat07SmartExportFilesOtherReasons, files + "0434.",
          "The List of Not Deleted ( Other Reasons) File Names is empty !\n"}});
    // Only this window starts its counters at "0" itself.
    for (QLabel* label :
         {form.lblStat07FoldersToDelete, form.lblStat07FoldersDeleted, form.lblStat07FoldersNotExists,
          form.lblStat07FoldersOtherReasons, form.lblStat07FilesToDelete, form.lblStat07FilesDeleted,
          form.lblStat07FilesNotExists, form.lblStat07FilesOtherReasons})
        label->setText("0");
}

TfrmStatistics07::~TfrmStatistics07() = default;
