#include "manage/copy/TfrmVol08EditIncludeList.h"

#include "ui_TfrmVol08EditIncludeList.h"

TfrmVol08EditIncludeList* frmVol08EditIncludeList = nullptr;

TfrmVol08EditIncludeList::TfrmVol08EditIncludeList(QWidget* parent) : WindowWithForm(parent) {
    const Ui::TfrmVol08EditIncludeList& form = Controls();
    Attach({form.mmoVol08EditIncludeList, form.lblVol08EditLinesSum, form.btnVol08EditIncludeListOk,
            form.btnVol08EditIncludeListCancel, form.btnVol08EditIncludeListHelp});
}

TfrmVol08EditIncludeList::~TfrmVol08EditIncludeList() = default;
