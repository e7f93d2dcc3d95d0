#pragma once
// The rename page's Include-list editor (see ManageIncludeListEditor) on its own form.

#include "manage/shared/ManageIncludeListEditor.h"
#include "manage/shared/WindowWithForm.h"

namespace Ui {
class TfrmVol06EditIncludeList;
}

class TfrmVol06EditIncludeList
    : public WindowWithForm<ManageIncludeListEditor, Ui::TfrmVol06EditIncludeList> {
    Q_OBJECT
public:
    explicit TfrmVol06EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol06EditIncludeList() override;
};

extern TfrmVol06EditIncludeList* frmVol06EditIncludeList;
