#include "manage/copy/TfrmVol08EditIncludeList.h"

#include "manage/shared/ManageControlsOnPage.h"

#include "ui_TfrmVol08EditIncludeList.h"

TfrmVol08EditIncludeList* frmVol08EditIncludeList = nullptr;

TfrmVol08EditIncludeList::TfrmVol08EditIncludeList(QWidget* parent) : WindowWithForm(parent) {
    Attach(IncludeListEditorControlsOnForm(*this, "Vol08", Controls().btnVol08EditIncludeListCancel));
}

TfrmVol08EditIncludeList::~TfrmVol08EditIncludeList() = default;
