#pragma once
// The delete page's Include-list editor (see IncludeListEditor).

#include "tools/IncludeListEditor.h"
#include "ui/WindowWithForm.h"

namespace Ui {
class TfrmVol07EditIncludeList;
}

class TfrmVol07EditIncludeList : public WindowWithForm<IncludeListEditor, Ui::TfrmVol07EditIncludeList> {
    Q_OBJECT
public:
    explicit TfrmVol07EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol07EditIncludeList() override;
};

extern TfrmVol07EditIncludeList* frmVol07EditIncludeList;
