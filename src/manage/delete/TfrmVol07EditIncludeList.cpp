#include "manage/delete/TfrmVol07EditIncludeList.h"

#include "manage/shared/ManageControlsOnPage.h"

#include "ui_TfrmVol07EditIncludeList.h"

TfrmVol07EditIncludeList* frmVol07EditIncludeList = nullptr;

TfrmVol07EditIncludeList::TfrmVol07EditIncludeList(QWidget* parent) : WindowWithForm(parent) {
    Attach(IncludeListEditorControlsOnForm(*this, "Vol07", Controls().btnVol07EditIncludeListCancel));
}

TfrmVol07EditIncludeList::~TfrmVol07EditIncludeList() = default;
