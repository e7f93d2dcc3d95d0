#include "manage/copy/TfrmStatistic08.h"

#include "ui_TfrmStatistic08.h"

TfrmStatistic08* frmStatistic08 = nullptr;

TfrmStatistic08::TfrmStatistic08(QWidget* parent) : WindowWithForm(parent) {
    const std::string caption =
        "Copy Folder structure(s).-From a Folder List - Level.            Warning no: ";
    Ui::TfrmStatistic08& form = Controls();
    Attach(
        form.btnStat08Ok,
        {{form.lstStat08FoldersCopied, form.btnStat08SmartExportFoldersCopied, caption + "0435.",
          "The List of Successfully Copied Main Folder Names is empty !\nAction : You must Copy at least one "
          "Main Folder to use the Smart Export Feature."},
         {form.lstStat08SubFoldersCopied, form.btnStat08SmartExportSubFoldersCopied, caption + "0436.",
          "The List of Successfully Copied Subfolder Names is empty !\nAction : You must Copy at least one "
          "Subfolder to use the Smart Export Feature."},
         {form.lstStat08FilesCopied, form.btnStat08SmartExportFilesCopied, caption + "0437.",
          "The List of Successfully Copied File Names is empty !\nAction : You must Copy at least one File "
          "to use the Smart Export Feature."},
         {form.lstStat08FoldersNotExists, form.btnStat08SmartExportFoldersNotExist, caption + "0438.",
          "The List of Not Copied (Don't Exist) Main Folder Names is empty !\n"},
         {form.lstStat08SubFoldersExists, form.btnStat08SmartExportSubFoldersExist, caption + "0439.",
          "The List of Not Copied (Already Exist) Subfolder Names is empty !\n"},
         {form.lstStat08FilesExists, form.btnStat08SmartExportFilesExist, caption + "0440.",
          "The List of Not Copied (Already Exist) File Names is empty !\n"}});
}

TfrmStatistic08::~TfrmStatistic08() = default;
