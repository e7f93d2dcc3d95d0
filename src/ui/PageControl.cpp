#include "ui/PageControl.h"

#include <QKeyEvent>

namespace ui {

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, &PageControl::KeepHiddenPagesBack);
}

bool PageControl::IsReachable(int index) const {
    return index >= 0 && index < count() && isTabEnabled(index) && isTabVisible(index);
}

void PageControl::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    int step = 0;
    if (control && event->key() == Qt::Key_Tab)
        step = event->modifiers() & Qt::ShiftModifier ? -1 : 1;
    else if (control && event->key() == Qt::Key_Backtab)
        step = -1;
    if (step == 0 || count() < 2) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    int index = currentIndex();
    for (int pass = 0; pass < count(); ++pass) {
        index = (index + step + count()) % count();
        if (IsReachable(index)) {
            setCurrentIndex(index);
            break;
        }
    }
    event->accept();
}

void PageControl::KeepHiddenPagesBack(int index) {
    if (index < 0 || isTabVisible(index)) {
        shown_ = index;
        return;
    }
    // Back to the page that was in front, or to the first one in reach.
    int back = shown_ >= 0 && shown_ < count() && isTabVisible(shown_) ? shown_ : -1;
    for (int i = 0; back < 0 && i < count(); ++i)
        if (isTabVisible(i))
            back = i;
    if (back >= 0 && back != index)
        setCurrentIndex(back);
}

} // namespace ui
