#pragma once
// The rename page's Include-list editor (see IncludeListEditor) on its own form.

#include "manage/shared/IncludeListEditor.h"
#include "manage/shared/WindowWithForm.h"

namespace Ui {
class TfrmVol06EditIncludeList;
}

class TfrmVol06EditIncludeList : public WindowWithForm<IncludeListEditor, Ui::TfrmVol06EditIncludeList> {
    Q_OBJECT
public:
    explicit TfrmVol06EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol06EditIncludeList() override;
};

extern TfrmVol06EditIncludeList* frmVol06EditIncludeList;
