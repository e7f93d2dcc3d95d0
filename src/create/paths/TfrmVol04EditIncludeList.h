#pragma once
// Edits the paths page's Include list as plain text, one full path per line,
// the lines coming back in the memo's order (see IncludeListEditor). Lines
// are not checked for drive parts here: the run counts such lines under Other.

#include "tools/IncludeListEditor.h"
#include "ui/WindowWithForm.h"

namespace Ui {
class TfrmVol04EditIncludeList;
}

class TfrmVol04EditIncludeList : public WindowWithForm<IncludeListEditor, Ui::TfrmVol04EditIncludeList> {
    Q_OBJECT
public:
    explicit TfrmVol04EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol04EditIncludeList() override;
};

extern TfrmVol04EditIncludeList* frmVol04EditIncludeList;
