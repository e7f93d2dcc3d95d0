#pragma once
// Edits the strings page's Include list as plain text, one item per line, the
// lines coming back in the order the sorted Include list gives them (see
// IncludeListEditor).

#include "tools/IncludeListEditor.h"
#include "ui/WindowWithForm.h"

namespace Ui {
class TfrmVol02EditIncludeList;
}

class TfrmVol02EditIncludeList : public WindowWithForm<IncludeListEditor, Ui::TfrmVol02EditIncludeList> {
    Q_OBJECT
public:
    explicit TfrmVol02EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol02EditIncludeList() override;
};

extern TfrmVol02EditIncludeList* frmVol02EditIncludeList;
