#pragma once
// The rename page's Include list as plain text ("Edit the content of the
// Include List  - for the Renaming Process."), see IncludeListEditor.
// On this form alone the Cancel button is spelled btnVol06EditIncludelistCancel.

#include "tools/IncludeListEditor.h"
#include "ui/WindowWithForm.h"

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
