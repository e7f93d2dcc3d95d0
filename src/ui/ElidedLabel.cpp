#include "ui/ElidedLabel.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace ui {

namespace {

// Paints the label's text itself, elided in the middle, and keeps the whole
// text as the tooltip.
class MiddleElider : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        auto* label = static_cast<QLabel*>(watched);
        const QRect area = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
        const QString text = label->text();
        const QString shown = label->fontMetrics().elidedText(text, Qt::ElideMiddle, area.width());
        const QString& tip = text;
        if (label->toolTip() != tip)
            label->setToolTip(tip);
        QPainter painter(label);
        label->style()->drawItemText(&painter, area, static_cast<int>(label->alignment()), label->palette(),
                                     label->isEnabled(), shown, label->foregroundRole());
        return true;
    }
};

} // namespace

void ElideInMiddle(QLabel* label) {
    if (!label || label->property("elidesInMiddle").toBool())
        return;
    label->setProperty("elidesInMiddle", true);
    label->setWordWrap(false);
    label->setTextFormat(Qt::PlainText);
    // The layout gives the label its width; the text's own width plays no part.
    QSizePolicy policy = label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    label->setSizePolicy(policy);
    label->installEventFilter(new MiddleElider(label));
}

} // namespace ui
