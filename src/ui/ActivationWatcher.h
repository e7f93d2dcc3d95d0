#pragma once
// Window activation as the framework has it: a window is activated when it
// becomes the program's active window after another window of the program,
// including the first time any of them becomes active. Message boxes, file
// and folder dialogs, menus and hints are not windows of the program in this
// sense: when one of them closes and its owner is active again, nothing fires.
// Neither does switching to another program and back.
//
// Windows of the program are the main window (a QMainWindow), every ui::Form,
// and any window that has a watcher.

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace ui {

class ActivationWatcher : public QObject {
    Q_OBJECT
public:
    // Calls `handler` (through Guard) each time `window` is activated. The
    // watcher is a child of the window and ends with it.
    ActivationWatcher(QWidget* window, std::function<void()> handler);
    ~ActivationWatcher() override;

    QWidget* Window() const { return window_; }
    void Fire();

private:
    QWidget* window_;
    std::function<void()> handler_;
};

// The window of the program that was activated last, or nullptr.
QWidget* LastActivatedWindow();

} // namespace ui
