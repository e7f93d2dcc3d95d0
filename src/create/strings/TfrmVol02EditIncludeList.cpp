#include "create/strings/TfrmVol02EditIncludeList.h"

#include "tools/TfrmAltalanosHelp.h"

#include "ui_TfrmVol02EditIncludeList.h"

TfrmVol02EditIncludeList* frmVol02EditIncludeList = nullptr;

TfrmVol02EditIncludeList::TfrmVol02EditIncludeList(QWidget* parent) : WindowWithForm(parent) {
    const Ui::TfrmVol02EditIncludeList& form = Controls();
    Attach({form.mmoVol02EditIncludeList, form.lblVol02EditLinesSum, form.btnVol02EditOk,
            form.btnVol02EditCancel, form.btnVol02EditFormHelp},
           LineOrder::ListOrder, [] { ShowHelpWindow("CreateStrings"); });
}

TfrmVol02EditIncludeList::~TfrmVol02EditIncludeList() = default;
