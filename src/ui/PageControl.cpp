#include "ui/PageControl.h"

#include <QApplication>
#include <QKeyEvent>

namespace ui {

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, &PageControl::KeepHiddenPagesBack);
    // Removed again when the page control goes.
    qApp->installEventFilter(this);
}

bool PageControl::IsReachable(int index) const {
    return index >= 0 && index < count() && isTabEnabled(index) && isTabVisible(index);
}

int PageControl::PageStep(const QKeyEvent& key) {
    if (!(key.modifiers() & Qt::ControlModifier))
        return 0;
    if (key.key() == Qt::Key_Backtab)
        return -1;
    if (key.key() == Qt::Key_Tab)
        return key.modifiers() & Qt::ShiftModifier ? -1 : 1;
    return 0;
}

bool PageControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const int step = PageStep(*static_cast<QKeyEvent*>(event));
    // Another window's keys (a dialog, a drop-down list's popup) are its own.
    if (step == 0 || static_cast<QWidget*>(watched)->window() != window())
        return false;
    StepToReachablePage(step);
    return true;
}

void PageControl::StepToReachablePage(int step) {
    int index = currentIndex();
    for (int pass = 1; pass < count(); ++pass) {
        index = (index + step + count()) % count();
        if (IsReachable(index)) {
            setCurrentIndex(index);
            return;
        }
    }
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
