#include "ui/Hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QTabBar>
#include <QToolTip>
#include <QWidget>

namespace ui {

namespace {

// Shows the hints of controls and of tabs itself, with the hide pause; other
// hints (those of list items, for example) stay with Qt.
class HintFilter : public QObject {
public:
    int hidePause = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (hidePause <= 0 || event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        auto* help = static_cast<QHelpEvent*>(event);
        QString text;
        QRect area;
        if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            const int tab = tabs->tabAt(help->pos());
            if (tab < 0)
                return false;
            text = tabs->tabToolTip(tab);
            area = tabs->tabRect(tab);
        } else {
            text = widget->toolTip();
            area = widget->rect();
        }
        if (text.isEmpty())
            return false;
        QToolTip::showText(help->globalPos(), text, widget, area, hidePause);
        return true;
    }
};

QPointer<HintFilter> filter;

} // namespace

void SetHintHidePause(int milliseconds) {
    if (!filter && qApp) {
        filter = new HintFilter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
    if (filter)
        filter->hidePause = milliseconds;
}

int HintHidePause() {
    return filter ? filter->hidePause : 0;
}

} // namespace ui
