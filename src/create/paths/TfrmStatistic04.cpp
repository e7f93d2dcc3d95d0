#include "create/paths/TfrmStatistic04.h"

#include "ui_TfrmStatistic04.h"

TfrmStatistic04* frmStatistic04 = nullptr;

TfrmStatistic04::TfrmStatistic04(QWidget* parent) : WindowWithForm(parent) {
    const Ui::TfrmStatistic04& form = Controls();
    Attach("Stat04", "Creating Folder(s).-From a Folder List.            ", form.btnStat04Ok,
           {{form.btnStat04SmartExportFolders, "0420"},
            {form.btnStat04SmartExportSubFolders, "0421"},
            {form.btnStat04SmartExportFiles, "0422"},
            {form.btnStat04SmartExportDoldersAlreadyExists, "0423"},
            {form.btnStat04SmartExportFoldersOtherReasons, "0424"}});
}

TfrmStatistic04::~TfrmStatistic04() = default;
