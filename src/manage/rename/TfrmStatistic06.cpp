#include "manage/rename/TfrmStatistic06.h"

#include "ui_TfrmStatistic06.h"

TfrmStatistic06* frmStatistic06 = nullptr;

TfrmStatistic06::TfrmStatistic06(QWidget* parent) : WindowWithForm(parent) {
    const std::string caption = "Rename Folders -From a Folder List - Level.             Warning no: ";
    Ui::TfrmStatistic06& form = Controls();
    Attach(
        form.btnStat06OK,
        {{form.lstStat06FoldersRenamed, form.btnStat06SmartExportFoldersRenamed, caption + "0428.",
          "The List of Successfully Renamed  Folder Names is empty !\nAction : You must Rename at least "
          "one Folder to use the Smart Export Feature."},
         {form.lstStat06FoldersSourceNotExists, form.btnStat06SmartExportSourceNotExists, caption + "0429.",
          "The List of Not Renamed (Source Folders don't exist) Folder Names is empty !\n"},
         {form.lstStat06FoldersDestinationExists, form.btnStat06SmartExportDestinationExists,
          caption + "0430.",
          "The List of Not Renamed (Destination Folders already exist) Folder Names is empty !\n"},
         {form.lstStat06FoldersOtherReasons, form.btnStat06SmartExportFoldersOtherReasons, caption + "0431.",
          "The List of Not Renamed (Other Reasons) Folder Names is empty !\n"}});
}

TfrmStatistic06::~TfrmStatistic06() = default;
