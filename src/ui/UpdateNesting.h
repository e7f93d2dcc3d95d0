#pragma once
// The framework's BeginUpdate and EndUpdate of a list control: the widget
// paints nothing from the first Begin until the End that matches it, so calls
// made by nested routines can wrap one another freely.

#include <QWidget>

namespace ui {

class UpdateNesting {
public:
    explicit UpdateNesting(QWidget& widget) : widget_(widget) {}
    UpdateNesting(const UpdateNesting&) = delete;
    UpdateNesting& operator=(const UpdateNesting&) = delete;

    void Begin() {
        if (depth_++ == 0)
            widget_.setUpdatesEnabled(false);
    }
    // An End without its Begin is ignored.
    void End() {
        if (depth_ > 0 && --depth_ == 0)
            widget_.setUpdatesEnabled(true);
    }

private:
    QWidget& widget_;
    int depth_ = 0;
};

} // namespace ui
