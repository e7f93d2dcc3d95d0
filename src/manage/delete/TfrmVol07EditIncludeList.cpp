#include "manage/delete/TfrmVol07EditIncludeList.h"

#include "ui_TfrmVol07EditIncludeList.h"

TfrmVol07EditIncludeList* frmVol07EditIncludeList = nullptr;

TfrmVol07EditIncludeList::TfrmVol07EditIncludeList(QWidget* parent) : WindowWithForm(parent) {
    const Ui::TfrmVol07EditIncludeList& form = Controls();
    Attach({form.mmoVol07EditIncludeList, form.lblVol07EditLinesSum, form.btnVol07EditIncludeListOk,
            form.btnVol07EditIncludeListCancel, form.btnVol07EditIncludeListHelp});
}

TfrmVol07EditIncludeList::~TfrmVol07EditIncludeList() = default;
