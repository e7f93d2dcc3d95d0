#pragma once
// Edits the subfolder list builder's Include list as plain text, one folder
// per line. The builder loads its lists and shows the window modally; OK
// rebuilds the Include list from the trimmed, non-empty lines in their order,
// each once ignoring case, leaving out what the Exclude list holds, and
// closes with the OK result. Cancel leaves the Include list as it was.
//
// The memo holds at most 30,000 non-blank lines, and a list longer than that
// is not opened in it, so no line of the list can be lost by editing.

#include "ui/Form.h"

#include <QPointer>

#include <memory>

class QLabel;
namespace Ui {
class TfrmFLLEditIncludeFolderList;
}
namespace ui {
class ListBox;
}

class TfrmFLLEditIncludeFolderList : public ui::Form {
    Q_OBJECT
public:
    static constexpr int MaxLines = 30000;

    explicit TfrmFLLEditIncludeFolderList(QWidget* parent = nullptr);
    ~TfrmFLLEditIncludeFolderList() override;

    Ui::TfrmFLLEditIncludeFolderList& Controls() { return *ui_; }

    // The memo gets the Include list's items in list order; OK writes back
    // into `include`, consults `exclude` and shows its running count in
    // `includeSum`. False, after warning 0012 and with the memo untouched,
    // when the list holds more lines than the memo may.
    bool LoadList(ui::ListBox& include, const ui::ListBox& exclude, QLabel* includeSum);

    void FormCreate();
    void FormActivate();
    // After every change of the text (keys, paste, cut): the line count, and
    // the memo cut back to its limit with warning 0013.
    void mmoEditIncludeListKeyPress();
    // The caret's line, after every key and click.
    void mmoEditIncludeListCaretMoved();
    void btnEditIncludeListOkClick();
    void btnEditIncludeCancelClick();
    void btnEditIncludeHelpClick();

    // Lines that are not empty after trimming.
    int NonEmptyLineCount() const;

private:
    // Removes every line after the MaxLines-th non-blank one.
    void CutToLimit();

    std::unique_ptr<Ui::TfrmFLLEditIncludeFolderList> ui_;
    QPointer<ui::ListBox> include_;
    QPointer<const ui::ListBox> exclude_;
    QPointer<QLabel> includeSum_;
    bool cutting_ = false;
    // OK lets pending input run; a second OK meanwhile is ignored.
    bool okRunning_ = false;
};

extern TfrmFLLEditIncludeFolderList* frmFLLEditIncludeFolderList;
