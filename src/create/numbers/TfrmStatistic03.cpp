#include "create/numbers/TfrmStatistic03.h"

#include "ui_TfrmStatistic03.h"

TfrmStatistic03* frmStatistic03 = nullptr;

TfrmStatistic03::TfrmStatistic03(QWidget* parent) : WindowWithForm(parent) {
    const Ui::TfrmStatistic03& form = Controls();
    Attach("Stat03", "Creating Folder(s).-Increased Numbers.            ", form.btnStat03Ok,
           {{form.btnStat03SmartExportFolders, "0415"},
            {form.btnStat03SmartExportSubFolders, "0416"},
            {form.btnStat03SmartExportFiles, "0417"},
            {form.btnStat03SmartExportAlreadyExists, "0418"},
            {form.btnStat03SmartExportOtherReasons, "0419"}});
}

TfrmStatistic03::~TfrmStatistic03() = default;
