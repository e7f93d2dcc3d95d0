#pragma once
// Edits the strings page's Include list as plain text, one item per line. The
// page loads its lists and shows the window modally; OK rebuilds the Include
// list from the trimmed, non-empty lines, each once ignoring case, leaving
// out what the Exclude list holds, and closes with the OK result. Cancel
// leaves the Include list as it was.

#include "ui/Form.h"

#include <QPointer>

#include <memory>

namespace Ui {
class TfrmVol02EditIncludeList;
}
namespace ui {
class ListBox;
}

class TfrmVol02EditIncludeList : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmVol02EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol02EditIncludeList() override;

    Ui::TfrmVol02EditIncludeList& Controls() { return *ui_; }

    // The memo gets the Include list's items in list order; OK writes back
    // into `include` and consults `exclude`.
    void LoadList(ui::ListBox& include, const ui::ListBox& exclude);

    void FormCreate();
    void FormActivate();
    // The line counter after every key; it runs on every change of the text,
    // so that a paste or a cut is counted as well.
    void mmoVol02EditIncludeListKeyPress();
    void btnVol02EditOkClick();
    void btnVol02EditCancelClick();
    void btnVol02EditFormHelpClick();

    // Lines that are not empty after trimming.
    int NonEmptyLineCount() const;

private:
    std::unique_ptr<Ui::TfrmVol02EditIncludeList> ui_;
    QPointer<ui::ListBox> include_;
    QPointer<const ui::ListBox> exclude_;
};

extern TfrmVol02EditIncludeList* frmVol02EditIncludeList;
