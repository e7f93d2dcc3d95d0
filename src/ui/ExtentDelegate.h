#pragma once
// The delegate of the framework's list controls with a horizontal extent:
// every row is as wide as the extent (or no wider than the view), so the view
// scrolls sideways exactly as far as the extent says, whatever the texts are,
// and the layout never measures a text.

#include <QStyledItemDelegate>

namespace ui {

class ExtentDelegate : public QStyledItemDelegate {
public:
    // `extent` is the list's own setting, read at every measurement.
    ExtentDelegate(const int& extent, QObject* parent) : QStyledItemDelegate(parent), extent_(extent) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const int& extent_;
};

} // namespace ui
