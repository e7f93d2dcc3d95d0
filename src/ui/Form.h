#pragma once
// A window of the program other than the main window. Like the framework's
// forms it is created once, keeps its content between openings, and setting a
// modal result while it is shown modally closes it with that result.

#include "ui/Desktop.h"

#include <QDialog>

namespace ui {

class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    Answer ModalResult() const { return modalResult_; }
    // Closes a modally shown window with this result (None leaves it open).
    void SetModalResult(Answer result);
    // Called by the desktop before the window is shown modally.
    void BeginModal() { modalResult_ = Answer::None; }

private:
    Answer modalResult_ = Answer::None;
};

} // namespace ui
