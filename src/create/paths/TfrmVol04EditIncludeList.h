#pragma once
// Edits the paths page's Include list as plain text, one full path per line,
// the lines coming back in the memo's order. Lines are not checked for drive
// parts here: the run counts such lines under Other.

#include "create/engine/IncludeListEditor.h"

#include <memory>

namespace Ui {
class TfrmVol04EditIncludeList;
}

class TfrmVol04EditIncludeList : public IncludeListEditor {
    Q_OBJECT
public:
    explicit TfrmVol04EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol04EditIncludeList() override;

    Ui::TfrmVol04EditIncludeList& Controls() { return *ui_; }

    // The line counter; it runs on every change of the text, so that a paste
    // or a cut is counted as well.
    void mmoVol04EditIncludeListKeyPress() { ShowLineCount(); }
    void btnVol04EditIncludeListOkClick() { AcceptLines(); }
    void btnVol04EditIncludeListCancelClick() { DiscardLines(); }
    void btnVol04EditIncludeListHelpClick();

private:
    std::unique_ptr<Ui::TfrmVol04EditIncludeList> ui_;
};

extern TfrmVol04EditIncludeList* frmVol04EditIncludeList;
