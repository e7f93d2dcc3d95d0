#pragma once
// What the strings and paths pages' Include-list editors share: a memo that
// shows the Include list one item per line, a count of its lines that hold
// text, OK that rebuilds the Include list from the trimmed, non-empty lines,
// each once ignoring case, leaving out what the Exclude list holds, and
// Cancel that leaves it as it was. Each editor keeps its own form, control
// names and handlers, and says in which order its lines come back.

#include "ui/Form.h"

#include <QPointer>

class QLabel;
class QPlainTextEdit;
namespace ui {
class ListBox;
}

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
    // Once the form is set up: the memo, its line counter, and the order.
    void BindEditor(QPlainTextEdit& memo, QLabel& lineCount, LineOrder order);

    void ShowLineCount();
    void AcceptLines();
    void DiscardLines();

private:
    QPlainTextEdit* memo_ = nullptr;
    QLabel* lineCount_ = nullptr;
    LineOrder order_ = LineOrder::MemoOrder;
    QPointer<ui::ListBox> include_;
    QPointer<const ui::ListBox> exclude_;
};
