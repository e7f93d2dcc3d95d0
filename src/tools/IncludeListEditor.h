#pragma once
// What every page's Include-list editor shares: a memo that shows the
// Include list one item per line, a count of its lines that hold text, OK
// that rebuilds the Include list from the trimmed, non-empty lines, each once
// ignoring case, leaving out what the Exclude list holds, and Cancel that
// leaves it as it was. Each editor keeps its own form and control names,
// hands them over, and says in which order its lines come back and what its
// Help button shows.

#include "ui/Form.h"

#include <QPointer>

#include <functional>

class QAbstractButton;
class QLabel;
class QPlainTextEdit;
namespace ui {
class ListBox;
}

struct IncludeListEditorControls {
    QPlainTextEdit* memo = nullptr;
    QLabel* lineCount = nullptr;
    QAbstractButton* ok = nullptr;
    QAbstractButton* cancel = nullptr;
    QAbstractButton* help = nullptr;
};

class IncludeListEditor : public ui::Form {
    Q_OBJECT
public:
    // The memo gets the Include list's items in list order; OK writes back
    // into `include` and consults `exclude`.
    void LoadList(ui::ListBox& include, const ui::ListBox& exclude);

    void FormCreate();
    void FormActivate();

    // Lines that are not empty after trimming.
    int NonEmptyLineCount() const;

protected:
    enum class LineOrder {
        // The lines in the order the sorted Include list would give them, so
        // that of two lines equal but for case the one it lists first stays.
        ListOrder,
        // The lines as the memo holds them: the first of such twins stays.
        MemoOrder,
    };

    explicit IncludeListEditor(QWidget* parent);
    // Once the form is set up: the controls, the order of the lines and the
    // Help button's action (by default the window of further help). The line
    // counter runs on every change of the text, so that a paste or a cut is
    // counted as well.
    void Attach(const IncludeListEditorControls& controls, LineOrder order = LineOrder::MemoOrder,
                std::function<void()> help = {});

private:
    void ShowLineCount();
    void AcceptLines();
    void DiscardLines();

    QPlainTextEdit* memo_ = nullptr;
    QLabel* lineCount_ = nullptr;
    LineOrder order_ = LineOrder::MemoOrder;
    QPointer<ui::ListBox> include_;
    QPointer<const ui::ListBox> exclude_;
};
