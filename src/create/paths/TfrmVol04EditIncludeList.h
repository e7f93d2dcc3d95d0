#pragma once
// Edits the paths page's Include list as plain text, one full path per line.
// The page loads its lists and shows the window modally; OK rebuilds the
// Include list from the trimmed, non-empty lines in the memo's order, each
// once ignoring case, leaving out what the Exclude list holds, and closes
// with the OK result. Cancel leaves the Include list as it was. Lines are not
// checked for drive parts here: the run counts such lines under Other.

#include "ui/Form.h"

#include <QPointer>

#include <memory>

namespace Ui {
class TfrmVol04EditIncludeList;
}
namespace ui {
class ListBox;
}

class TfrmVol04EditIncludeList : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmVol04EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol04EditIncludeList() override;

    Ui::TfrmVol04EditIncludeList& Controls() { return *ui_; }

    // The memo gets the Include list's lines in list order; OK writes back
    // into `include` and consults `exclude`.
    void LoadList(ui::ListBox& include, const ui::ListBox& exclude);

    void FormCreate();
    void FormActivate();
    // The line counter; it runs on every change of the text, so that a paste
    // or a cut is counted as well.
    void mmoVol04EditIncludeListKeyPress();
    void btnVol04EditIncludeListOkClick();
    void btnVol04EditIncludeListCancelClick();
    void btnVol04EditIncludeListHelpClick();

    // Lines that are not empty after trimming.
    int NonEmptyLineCount() const;

private:
    std::unique_ptr<Ui::TfrmVol04EditIncludeList> ui_;
    QPointer<ui::ListBox> include_;
    QPointer<const ui::ListBox> exclude_;
};

extern TfrmVol04EditIncludeList* frmVol04EditIncludeList;
