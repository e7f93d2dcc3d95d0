#pragma once
// A scroll bar that does not repaint when its range changes but nothing it
// shows moves: a list that grows by a batch at every frame of a long run
// changes its bar's range at every frame, while the handle, already as short
// as the style lets it be, stays where it is. Painting the bar would also
// paint what lies behind it (its container, the list's frame, the group box
// and window around it) for nothing. Every other change repaints as a
// QScrollBar does, and so does every change in a style whose bars show
// themselves for a moment when they change.

#include <QRect>
#include <QScrollBar>

#include <array>

namespace ui {

class SteadyScrollBar : public QScrollBar {
public:
    explicit SteadyScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What a style draws a scroll bar from, beyond its state and palette: the
    // places of its parts, and whether the handle stands at either end (the
    // arrow that points past it is shown disabled) or cannot move at all.
    struct Look {
        std::array<QRect, 8> parts;
        bool atMinimum = false;
        bool atMaximum = false;
        bool operator==(const Look&) const = default;
    };
    Look LookNow() const;

    Look painted_;
    bool everPainted_ = false;
};

} // namespace ui
