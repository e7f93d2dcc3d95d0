#pragma once
// Edits the strings page's Include list as plain text, one item per line, the
// lines coming back in the order the sorted Include list gives them.

#include "create/engine/IncludeListEditor.h"

#include <memory>

namespace Ui {
class TfrmVol02EditIncludeList;
}

class TfrmVol02EditIncludeList : public IncludeListEditor {
    Q_OBJECT
public:
    explicit TfrmVol02EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol02EditIncludeList() override;

    Ui::TfrmVol02EditIncludeList& Controls() { return *ui_; }

    // The line counter; it runs on every change of the text, so that a paste
    // or a cut is counted as well.
    void mmoVol02EditIncludeListKeyPress() { ShowLineCount(); }
    void btnVol02EditOkClick() { AcceptLines(); }
    void btnVol02EditCancelClick() { DiscardLines(); }
    void btnVol02EditFormHelpClick();

private:
    std::unique_ptr<Ui::TfrmVol02EditIncludeList> ui_;
};

extern TfrmVol02EditIncludeList* frmVol02EditIncludeList;
