#pragma once
// A window class on its own Designer form: the behaviour it shares with its
// sister windows (the pages' statistics windows, their Include-list editors)
// comes from `Window`, the controls from `Form`, set up once when the window
// is made. The window's own class names both and adds only what is its alone.

#include <QWidget>

#include <memory>

template <class Window, class Form> class WindowWithForm : public Window {
public:
    Form& Controls() { return *form_; }

protected:
    explicit WindowWithForm(QWidget* parent) : Window(parent), form_(std::make_unique<Form>()) {
        form_->setupUi(this);
    }

private:
    std::unique_ptr<Form> form_;
};
