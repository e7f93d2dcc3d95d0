#include "ui/Desktop.h"

#include <cassert>

namespace ui {

namespace {
Desktop* current = nullptr;
}

Desktop& desktop() {
    assert(current && "no desktop installed");
    return *current;
}

Desktop* SetDesktop(Desktop* d) {
    Desktop* previous = current;
    current = d;
    return previous;
}

Answer ShowBox(QWidget* owner, const std::string& caption, const std::string& text, Icon icon,
               Buttons buttons, Answer defaultButton) {
    MessageBoxRequest request;
    request.owner = owner;
    request.caption = caption;
    request.text = text;
    request.icon = icon;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return desktop().MessageBox(request);
}

} // namespace ui
