#pragma once
// A window class on its own Designer form: the behaviour it shares with its
// sister windows (the creation pages, their statistics windows, their
// Include-list editors) comes from `Window`, the controls from `Form`, set up
// once when the window is made. The window's own class names both and adds
// only what is its alone.

#include <QWidget>

#include <memory>
#include <utility>

template <class Window, class Form> class WindowWithForm : public Window {
public:
    Form& Controls() { return *ui_; }

protected:
    // `arguments` are those of `Window`'s constructor.
    template <class... Arguments>
    explicit WindowWithForm(Arguments&&... arguments)
        : Window(std::forward<Arguments>(arguments)...), ui_(std::make_unique<Form>()) {
        ui_->setupUi(this);
    }

    // The controls, for the window's own code.
    const std::unique_ptr<Form> ui_;
};
