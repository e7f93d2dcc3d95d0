#pragma once
// A control of a page's or window's form, found by the name the form gives
// it. Pages and windows that share their code find their own controls this
// way, by names made of a common part and the page's code.

#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>

// A control the form does not have, or has as another kind of control, is a
// fault of the form or of the code that names it, not of the person using it:
// std::logic_error naming the form and the control.
template <class Control> Control* FindControl(QWidget& form, const std::string& name) {
    if (auto* control = form.findChild<Control*>(QString::fromStdString(name)))
        return control;
    throw std::logic_error("The form " + form.objectName().toStdString() + " has no control " + name);
}
