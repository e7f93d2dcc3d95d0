#include "ui/ExtentDelegate.h"

namespace ui {

QSize ExtentDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(extent_);
    return size;
}

} // namespace ui
