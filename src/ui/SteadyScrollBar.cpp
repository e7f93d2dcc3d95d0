#include "ui/SteadyScrollBar.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace ui {

SteadyScrollBar::SteadyScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {}

SteadyScrollBar::Look SteadyScrollBar::LookNow() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    static constexpr std::array<QStyle::SubControl, 8> parts = {
        QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubPage,
        QStyle::SC_ScrollBarAddPage, QStyle::SC_ScrollBarFirst,   QStyle::SC_ScrollBarLast,
        QStyle::SC_ScrollBarSlider,  QStyle::SC_ScrollBarGroove};
    Look look;
    for (size_t i = 0; i < parts.size(); ++i)
        look.parts[i] = style()->subControlRect(QStyle::CC_ScrollBar, &option, parts[i], this);
    look.atMinimum = option.sliderPosition == option.minimum;
    look.atMaximum = option.sliderPosition == option.maximum;
    return look;
}

void SteadyScrollBar::sliderChange(SliderChange change) {
    if (change == SliderRangeChange && everPainted_ &&
        !style()->styleHint(QStyle::SH_ScrollBar_Transient, nullptr, this) && LookNow() == painted_)
        return;
    QScrollBar::sliderChange(change);
}

void SteadyScrollBar::paintEvent(QPaintEvent* event) {
    painted_ = LookNow();
    everPainted_ = true;
    QScrollBar::paintEvent(event);
}

} // namespace ui
