#pragma once
// The copy page's Include-list editor, "Edit the Include Folder List - for
// Copy Process." (see IncludeListEditor): the folders the structures
// are copied into, one per line.

#include "tools/IncludeListEditor.h"
#include "ui/WindowWithForm.h"

namespace Ui {
class TfrmVol08EditIncludeList;
}

class TfrmVol08EditIncludeList : public WindowWithForm<IncludeListEditor, Ui::TfrmVol08EditIncludeList> {
    Q_OBJECT
public:
    explicit TfrmVol08EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol08EditIncludeList() override;
};

extern TfrmVol08EditIncludeList* frmVol08EditIncludeList;
