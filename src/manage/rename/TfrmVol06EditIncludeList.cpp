#include "manage/rename/TfrmVol06EditIncludeList.h"

#include "manage/shared/ManageControlsOnPage.h"

#include "ui_TfrmVol06EditIncludeList.h"

TfrmVol06EditIncludeList* frmVol06EditIncludeList = nullptr;

TfrmVol06EditIncludeList::TfrmVol06EditIncludeList(QWidget* parent) : WindowWithForm(parent) {
    Attach(IncludeListEditorControlsOnForm(*this, "Vol06", Controls().btnVol06EditIncludelistCancel));
}

TfrmVol06EditIncludeList::~TfrmVol06EditIncludeList() = default;
