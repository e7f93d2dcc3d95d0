#include "runs/RunInputBlocker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

RunInputBlocker::RunInputBlocker(QWidget& page) : page_(&page) {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

RunInputBlocker::~RunInputBlocker() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool RunInputBlocker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        break;
    default:
        return false;
    }
    if (!watched->isWidgetType() || !page_)
        return false;
    QWidget* widget = static_cast<QWidget*>(watched);
    return widget == page_ || page_->isAncestorOf(widget);
}
