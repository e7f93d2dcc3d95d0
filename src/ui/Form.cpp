#include "ui/Form.h"

namespace ui {

Form::Form(QWidget* parent) : QDialog(parent) {}

void Form::SetModalResult(Answer result) {
    modalResult_ = result;
    if (result != Answer::None && isVisible())
        done(static_cast<int>(result));
}

} // namespace ui
