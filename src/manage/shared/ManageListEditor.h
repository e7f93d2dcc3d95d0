#pragma once
// The Include-list editor of the rename, delete and copy pages: the page's
// Include list as plain text, one folder per line. The page loads its lists
// and shows the window modally; OK rebuilds the Include list from the trimmed,
// non-empty lines in their order, each once ignoring case, leaving out what
// the Exclude list holds, and closes with the OK result. Cancel leaves the
// Include list as it was. Each page's window hands over the controls of its
// own form.

#include "ui/Form.h"

#include <QPointer>

class QAbstractButton;
class QLabel;
class QPlainTextEdit;
namespace ui {
class ListBox;
}

struct ManageListEditorControls {
    QPlainTextEdit* memo = nullptr;
    QLabel* linesSum = nullptr;
    QAbstractButton* ok = nullptr;
    QAbstractButton* cancel = nullptr;
    QAbstractButton* help = nullptr;
};

class ManageListEditor : public ui::Form {
    Q_OBJECT
public:
    // The memo gets the Include list's lines; OK writes back into `include`
    // and consults `exclude`.
    void LoadList(ui::ListBox& include, const ui::ListBox& exclude);

    void FormCreate();
    void FormActivate();
    // The line counter; it runs on every change of the text, so that a paste
    // or a cut is counted as well as a key.
    void MemoKeyPress();
    void OkClick();
    void CancelClick();
    void HelpClick();

protected:
    explicit ManageListEditor(QWidget* parent);
    // Wires the window's own controls; called once its form is set up.
    void Attach(const ManageListEditorControls& controls);

private:
    ManageListEditorControls controls_;
    QPointer<ui::ListBox> include_;
    QPointer<const ui::ListBox> exclude_;
};
