#pragma once
// Edits the delete page's Include list as plain text, one folder per line.
// The page loads its lists and shows the window modally; OK rebuilds the
// Include list from the trimmed, non-empty lines in their order, each once
// ignoring case, leaving out what the Exclude list holds, and closes with the
// OK result. Cancel leaves the Include list as it was.

#include "ui/Form.h"

#include <QPointer>

#include <memory>

namespace Ui {
class TfrmVol07EditIncludeList;
}
namespace ui {
class ListBox;
}

class TfrmVol07EditIncludeList : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmVol07EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol07EditIncludeList() override;

    Ui::TfrmVol07EditIncludeList& Controls() { return *ui_; }

    // The memo gets the Include list's lines in list order; OK writes back
    // into `include` and consults `exclude`.
    void LoadList(ui::ListBox& include, const ui::ListBox& exclude);

    void FormCreate();
    void FormActivate();
    // The line counter; it runs on every change of the text, so that a paste
    // or a cut is counted as well as a key.
    void mmoVol07EditIncludeListKeyPress();
    void btnVol07EditIncludeListOkClick();
    void btnVol07EditIncludeListCancelClick();
    void btnVol07EditIncludeListHelpClick();

private:
    std::unique_ptr<Ui::TfrmVol07EditIncludeList> ui_;
    QPointer<ui::ListBox> include_;
    QPointer<const ui::ListBox> exclude_;
};

extern TfrmVol07EditIncludeList* frmVol07EditIncludeList;
