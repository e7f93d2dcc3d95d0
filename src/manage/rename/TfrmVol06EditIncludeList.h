#pragma once
// Edits the rename page's Include list as plain text, one folder per line. The
// page loads its lists and shows the window modally; OK rebuilds the Include
// list from the trimmed, non-empty lines in their order, each once ignoring
// case, leaving out what the Exclude list holds, and closes with the OK
// result. Cancel leaves the Include list as it was.

#include "ui/Form.h"

#include <QPointer>

#include <memory>

namespace Ui {
class TfrmVol06EditIncludeList;
}
namespace ui {
class ListBox;
}

class TfrmVol06EditIncludeList : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmVol06EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol06EditIncludeList() override;

    Ui::TfrmVol06EditIncludeList& Controls() { return *ui_; }

    // The memo gets the Include list's lines; OK writes back into `include`
    // and consults `exclude`.
    void LoadList(ui::ListBox& include, const ui::ListBox& exclude);

    void FormCreate();
    void FormActivate();
    // The line counter; it runs on every change of the text, so that a paste
    // or a cut is counted as well as a key.
    void mmoVol06EditIncludeListKeyPress();
    void btnVol06EditIncludeListOkClick();
    void btnVol06EditIncludelistCancelClick();
    void btnVol06EditIncludeListHelpClick();

private:
    std::unique_ptr<Ui::TfrmVol06EditIncludeList> ui_;
    QPointer<ui::ListBox> include_;
    QPointer<const ui::ListBox> exclude_;
};

extern TfrmVol06EditIncludeList* frmVol06EditIncludeList;
