#pragma once
// A list view whose rows are all one size and stand in one column, laid out
// by arithmetic: row r lies at r times the row height. Qt's own list view
// works the place of every row out again whenever rows are added or removed,
// so a list that grows by a batch at every frame of a long run costs more at
// every frame; here adding rows, painting, hit-testing, scrolling and keys
// cost what the rows on screen cost, however long the list is.
//
// Rows inserted below an unchanged first row move nothing above them: the
// layout that follows keeps the row size it measured and repaints only from
// the first new row down, so a list that grows below what is on screen
// repaints nothing but its scroll bar.
//
// What a person sees and does is what Qt's list view does for such a list:
// rows as wide as the widest of the first row's size hint and the viewport,
// scrolling by rows (or by pixels when so set), the same keys, clicks and
// selection by mouse. Spacing, grids, wrapping, icon mode, hidden rows and
// dragging are not offered.
//
// `View` is QListWidget (items of its own) or QListView (a model of the
// caller's); both are compiled in UniformRowView.cpp.

#include <QListView>

#include <vector>

namespace ui {

template <class View> class UniformRowView : public View {
public:
    explicit UniformRowView(QWidget* parent = nullptr);
    ~UniformRowView() override;

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index,
                  QAbstractItemView::ScrollHint hint = QAbstractItemView::EnsureVisible) override;
    // Only measures the first row again: the others are the same size.
    void doItemsLayout() override;

    // A multi-select list lets the person pick ranges with Shift and single
    // items with Ctrl.
    bool MultiSelect() const;
    void SetMultiSelect(bool multiSelect);

    // The width in pixels the person can scroll sideways through, as the
    // framework's horizontal extent: with 0 (the default) there is no
    // sideways scrolling and long items are cut at the list's edge. The
    // subclass's delegate reads it (ExtentDelegate.h).
    int HorizontalExtent() const { return horizontalExtent_; }
    void SetHorizontalExtent(int pixels);

protected:
    // Follows the model's resets and reorderings from now on; called once the
    // view has the model it keeps.
    void FollowModel();

    // Measures the rows again at the next layout. A subclass calls it when it
    // changes what the row size depends on beyond the font and the style
    // (the delegate's size hint, say).
    void RemeasureRows();

    bool event(QEvent* event) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    QModelIndex moveCursor(QAbstractItemView::CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    // A row shown cut at the list's edge carries its whole text as its
    // tooltip, so a long line can be read without scrolling sideways.
    bool viewportEvent(QEvent* event) override;

    int horizontalExtent_ = 0;

private:
    QModelIndex IndexOfRow(int row) const;
    // The size of every row as the delegate gives it for the first one.
    QSize RowSize() const;
    int RowHeight() const;
    int RowWidth() const;
    // The row under a point of the contents (viewport point plus offsets), or -1.
    int RowAtContentsPoint(QPoint point) const;
    // Rows that fit whole in the viewport, at least 1.
    int WholeRowsShown() const;
    bool ScrollsPerRow() const { return this->verticalScrollMode() == QAbstractItemView::ScrollPerItem; }

    mutable QSize rowSize_;
    // What changed since the last layout, as far as this view knows: nothing
    // (a layout then has some other cause, and measures and repaints all),
    // only rows inserted from firstInsertedRow_ on, or anything else.
    enum class SinceLayout { Nothing, RowsInserted, Anything };
    SinceLayout sinceLayout_ = SinceLayout::Nothing;
    // The model outlives this part of the list: QWidget deletes it, and it
    // says it was reset, only after this class is gone.
    std::vector<QMetaObject::Connection> modelConnections_;
    int firstInsertedRow_ = 0;
};

extern template class UniformRowView<QListView>;

} // namespace ui
