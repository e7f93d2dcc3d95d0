#include "create/strings/TfrmStatistic02.h"

#include "ui_TfrmStatistic02.h"

TfrmStatistic02* frmStatistic02 = nullptr;

TfrmStatistic02::TfrmStatistic02(QWidget* parent) : WindowWithForm(parent) {
    const Ui::TfrmStatistic02& form = Controls();
    Attach("Stat02", "Creating Folder(s).-From a String List.            ", form.btnStat02Ok,
           {{form.btnStat02SmartExportFolders, "0410"},
            {form.btnStat02SmartExportSubFolders, "0411"},
            {form.btnStat02SmartExportFiles, "0412"},
            {form.btnStat02SmartExportFoldersExists, "0413"},
            {form.btnStat02SmartExportFoldersOther, "0414"}});
}

TfrmStatistic02::~TfrmStatistic02() = default;
