#include "ui/CutRowToolTip.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace ui {

bool ShowCutRowToolTip(QAbstractItemView& view, const QHelpEvent& help) {
    const QModelIndex at = view.indexAt(help.pos());
    if (!at.isValid())
        return false;
    const QString text = at.data(Qt::DisplayRole).toString();
    const QRect item = view.visualRect(at);
    // The text starts at the item's left edge plus the style's margin; a few
    // pixels more than its width leave room for that margin.
    const int textWidth = view.fontMetrics().horizontalAdvance(text) +
                          2 * view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 4;
    if (item.left() < 0 || item.left() + textWidth > view.viewport()->width())
        QToolTip::showText(help.globalPos(), text, view.viewport(), item);
    else
        QToolTip::hideText();
    return true;
}

} // namespace ui
