#include "manage/rename/TfrmVol06EditIncludeList.h"

#include "ui_TfrmVol06EditIncludeList.h"

TfrmVol06EditIncludeList* frmVol06EditIncludeList = nullptr;

TfrmVol06EditIncludeList::TfrmVol06EditIncludeList(QWidget* parent) : WindowWithForm(parent) {
    const Ui::TfrmVol06EditIncludeList& form = Controls();
    Attach({form.mmoVol06EditIncludeList, form.lblVol06EditLinesSum, form.btnVol06EditIncludeListOk,
            form.btnVol06EditIncludelistCancel, form.btnVol06EditIncludeListHelp});
}

TfrmVol06EditIncludeList::~TfrmVol06EditIncludeList() = default;
