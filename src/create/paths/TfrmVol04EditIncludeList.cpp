#include "create/paths/TfrmVol04EditIncludeList.h"

#include "ui_TfrmVol04EditIncludeList.h"

TfrmVol04EditIncludeList* frmVol04EditIncludeList = nullptr;

TfrmVol04EditIncludeList::TfrmVol04EditIncludeList(QWidget* parent) : WindowWithForm(parent) {
    const Ui::TfrmVol04EditIncludeList& form = Controls();
    Attach({form.mmoVol04EditIncludeList, form.lblVol04EditLinesSum, form.btnVol04EditIncludeListOk,
            form.btnVol04EditIncludeListCancel, form.btnVol04EditIncludeListHelp});
}

TfrmVol04EditIncludeList::~TfrmVol04EditIncludeList() = default;
