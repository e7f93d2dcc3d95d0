#pragma once
// The delete page's Include-list editor (see ManageListEditor).

#include "manage/shared/ManageListEditor.h"
#include "ui/WindowWithForm.h"

namespace Ui {
class TfrmVol07EditIncludeList;
}

class TfrmVol07EditIncludeList : public WindowWithForm<ManageListEditor, Ui::TfrmVol07EditIncludeList> {
    Q_OBJECT
public:
    explicit TfrmVol07EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol07EditIncludeList() override;
};

extern TfrmVol07EditIncludeList* frmVol07EditIncludeList;
