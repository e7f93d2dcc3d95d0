#pragma once
// The copy page's Include-list editor, "Edit the Include Folder List - for
// Copy Process." (see ManageIncludeListEditor): the folders the structures
// are copied into, one per line.

#include "manage/shared/ManageIncludeListEditor.h"
#include "manage/shared/WindowWithForm.h"

namespace Ui {
class TfrmVol08EditIncludeList;
}

class TfrmVol08EditIncludeList
    : public WindowWithForm<ManageIncludeListEditor, Ui::TfrmVol08EditIncludeList> {
    Q_OBJECT
public:
    explicit TfrmVol08EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol08EditIncludeList() override;
};

extern TfrmVol08EditIncludeList* frmVol08EditIncludeList;
