#include "ui/UniformRowView.h"

#include "ui/CutRowToolTip.h"

#include <QCursor>
#include <QHelpEvent>
#include <QItemSelection>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace ui {

namespace {

// A scroll area answers a change of a bar's range by laying its bars out
// again, one round of events later, and that raises both bars' containers,
// which repaints them and the list's frame and window behind them. Only a bar
// that comes or goes needs it; a list that grows by a batch at every frame of
// a run would pay it at every frame. The range is changed quietly when the bar
// stays as needed as it was and its value stays inside the range.
void SetRange(QScrollBar& bar, int maximum) {
    const bool neededBefore = bar.maximum() > bar.minimum();
    const bool neededAfter = maximum > 0;
    if (bar.minimum() == 0 && neededBefore == neededAfter && bar.value() <= maximum) {
        const QSignalBlocker quiet(bar);
        bar.setRange(0, maximum);
        return;
    }
    bar.setRange(0, maximum);
}

} // namespace

template <class View> UniformRowView<View>::UniformRowView(QWidget* parent) : View(parent) {
    this->setUniformItemSizes(true);
}

template <class View> UniformRowView<View>::~UniformRowView() {
    for (const QMetaObject::Connection& connection : modelConnections_)
        QObject::disconnect(connection);
}

template <class View> void UniformRowView<View>::FollowModel() {
    // Whatever reorders or empties the rows moves the rows on screen.
    const auto anything = [this] { RemeasureRows(); };
    QAbstractItemModel* model = this->model();
    modelConnections_ = {QObject::connect(model, &QAbstractItemModel::modelReset, this, anything),
                         QObject::connect(model, &QAbstractItemModel::layoutChanged, this, anything),
                         QObject::connect(model, &QAbstractItemModel::rowsMoved, this, anything)};
}

template <class View> bool UniformRowView<View>::MultiSelect() const {
    return this->selectionMode() == QAbstractItemView::ExtendedSelection ||
           this->selectionMode() == QAbstractItemView::MultiSelection;
}

template <class View> void UniformRowView<View>::SetMultiSelect(bool multiSelect) {
    this->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                       : QAbstractItemView::SingleSelection);
}

template <class View> void UniformRowView<View>::SetHorizontalExtent(int pixels) {
    horizontalExtent_ = std::max(0, pixels);
    // Every row has the size of the first; make the view measure it again.
    RemeasureRows();
}

template <class View> bool UniformRowView<View>::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip && ShowCutRowToolTip(*this, *static_cast<QHelpEvent*>(event)))
        return true;
    return View::viewportEvent(event);
}

template <class View> void UniformRowView<View>::RemeasureRows() {
    sinceLayout_ = SinceLayout::Anything;
    this->scheduleDelayedItemsLayout();
}

template <class View> bool UniformRowView<View>::event(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        sinceLayout_ = SinceLayout::Anything;
    return View::event(event);
}

template <class View> void UniformRowView<View>::rowsInserted(const QModelIndex& parent, int start, int end) {
    if (parent != this->rootIndex() || start <= 0 || sinceLayout_ == SinceLayout::Anything) {
        sinceLayout_ = SinceLayout::Anything;
    } else if (sinceLayout_ == SinceLayout::Nothing) {
        sinceLayout_ = SinceLayout::RowsInserted;
        firstInsertedRow_ = start;
    } else {
        firstInsertedRow_ = std::min(firstInsertedRow_, start);
    }
    View::rowsInserted(parent, start, end);
}

template <class View>
void UniformRowView<View>::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    sinceLayout_ = SinceLayout::Anything;
    View::rowsAboutToBeRemoved(parent, start, end);
}

template <class View>
void UniformRowView<View>::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                       const QList<int>& roles) {
    sinceLayout_ = SinceLayout::Anything;
    View::dataChanged(topLeft, bottomRight, roles);
}

template <class View> QModelIndex UniformRowView<View>::IndexOfRow(int row) const {
    return this->model()->index(row, this->modelColumn(), this->rootIndex());
}

template <class View> QSize UniformRowView<View>::RowSize() const {
    if (!rowSize_.isValid() && this->model()->rowCount(this->rootIndex()) > 0) {
        QStyleOptionViewItem option;
        this->initViewItemOption(&option);
        const QModelIndex first = IndexOfRow(0);
        rowSize_ = this->itemDelegateForIndex(first)->sizeHint(option, first);
    }
    return rowSize_;
}

template <class View> int UniformRowView<View>::RowHeight() const {
    return std::max(1, RowSize().height());
}

template <class View> int UniformRowView<View>::RowWidth() const {
    return std::max(RowSize().width(), this->viewport()->width());
}

template <class View> int UniformRowView<View>::WholeRowsShown() const {
    return std::max(1, this->viewport()->height() / RowHeight());
}

template <class View> int UniformRowView<View>::RowAtContentsPoint(QPoint point) const {
    if (point.x() < 0 || point.x() >= RowWidth() || point.y() < 0)
        return -1;
    const int row = point.y() / RowHeight();
    return row < this->model()->rowCount(this->rootIndex()) ? row : -1;
}

template <class View> void UniformRowView<View>::doItemsLayout() {
    const bool onlyInserted = sinceLayout_ == SinceLayout::RowsInserted && rowSize_.isValid();
    sinceLayout_ = SinceLayout::Nothing;
    if (onlyInserted) {
        // The rows above the first new one kept their places and looks.
        updateGeometries();
        const int top = std::max(0, firstInsertedRow_ * RowHeight() - verticalOffset());
        if (top < this->viewport()->height())
            this->viewport()->update(0, top, this->viewport()->width(), this->viewport()->height() - top);
        return;
    }
    rowSize_ = QSize();
    RowSize();
    // Qt's list view would place every row here; the rows need no places.
    QAbstractItemView::doItemsLayout();
}

template <class View> QRect UniformRowView<View>::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != this->rootIndex() || index.column() != this->modelColumn())
        return QRect();
    return QRect(-horizontalOffset(), index.row() * RowHeight() - verticalOffset(), RowWidth(), RowHeight());
}

template <class View> QModelIndex UniformRowView<View>::indexAt(const QPoint& point) const {
    const int row = RowAtContentsPoint(point + QPoint(horizontalOffset(), verticalOffset()));
    return row < 0 ? QModelIndex() : IndexOfRow(row);
}

template <class View> int UniformRowView<View>::horizontalOffset() const {
    return this->horizontalScrollBar()->value();
}

template <class View> int UniformRowView<View>::verticalOffset() const {
    const int value = this->verticalScrollBar()->value();
    return ScrollsPerRow() ? value * RowHeight() : value;
}

template <class View> void UniformRowView<View>::updateGeometries() {
    const int rows = this->model()->rowCount(this->rootIndex());
    if (this->geometry().isEmpty() || rows <= 0) {
        this->horizontalScrollBar()->setRange(0, 0);
        this->verticalScrollBar()->setRange(0, 0);
    } else {
        const QSize row = RowSize();
        const int viewportHeight = this->viewport()->height();
        this->horizontalScrollBar()->setSingleStep(row.width());
        this->horizontalScrollBar()->setPageStep(this->viewport()->width());
        SetRange(*this->horizontalScrollBar(), std::max(0, row.width() - this->viewport()->width()));
        const qint64 contentsHeight = static_cast<qint64>(rows) * RowHeight();
        if (ScrollsPerRow()) {
            // A list that fits has one step more than it has rows, as in Qt's list view.
            const int pageRows = contentsHeight <= viewportHeight ? rows + 1 : WholeRowsShown();
            this->verticalScrollBar()->setSingleStep(1);
            this->verticalScrollBar()->setPageStep(pageRows);
            SetRange(*this->verticalScrollBar(), std::max(0, rows - pageRows));
        } else {
            this->verticalScrollBar()->setSingleStep(row.height());
            this->verticalScrollBar()->setPageStep(viewportHeight);
            SetRange(*this->verticalScrollBar(),
                     static_cast<int>(std::max<qint64>(0, contentsHeight - viewportHeight)));
        }
    }
    QAbstractItemView::updateGeometries();
}

template <class View> void UniformRowView<View>::scrollContentsBy(int dx, int dy) {
    this->viewport()->scroll(dx, ScrollsPerRow() ? dy * RowHeight() : dy);
}

template <class View>
void UniformRowView<View>::scrollTo(const QModelIndex& index, QAbstractItemView::ScrollHint hint) {
    if (index.parent() != this->rootIndex() || index.column() != this->modelColumn())
        return;
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = this->viewport()->rect();
    if (hint == QAbstractItemView::EnsureVisible && area.contains(rect)) {
        this->viewport()->update(rect);
        return;
    }
    if (hint == QAbstractItemView::EnsureVisible && rect.top() < area.top())
        hint = QAbstractItemView::PositionAtTop;
    else if (hint == QAbstractItemView::EnsureVisible && rect.bottom() > area.bottom())
        hint = QAbstractItemView::PositionAtBottom;
    QScrollBar& bar = *this->verticalScrollBar();
    if (ScrollsPerRow()) {
        const int row = index.row();
        const int rowsUpToIt = std::min(row + 1, this->viewport()->height() / RowHeight());
        if (hint == QAbstractItemView::PositionAtTop)
            bar.setValue(row);
        else if (hint == QAbstractItemView::PositionAtBottom)
            bar.setValue(row - rowsUpToIt + 1);
        else if (hint == QAbstractItemView::PositionAtCenter)
            bar.setValue(row - rowsUpToIt / 2);
        return;
    }
    if (hint == QAbstractItemView::PositionAtTop)
        bar.setValue(bar.value() + rect.top());
    else if (hint == QAbstractItemView::PositionAtBottom)
        bar.setValue(bar.value() + std::min(rect.top(), rect.bottom() - area.height() + 1));
    else if (hint == QAbstractItemView::PositionAtCenter)
        bar.setValue(bar.value() + rect.top() - (area.height() - rect.height()) / 2);
}

template <class View>
QModelIndex UniformRowView<View>::moveCursor(QAbstractItemView::CursorAction action, Qt::KeyboardModifiers) {
    const int rows = this->model()->rowCount(this->rootIndex());
    const QModelIndex current = this->currentIndex();
    if (!current.isValid())
        return rows > 0 ? IndexOfRow(0) : QModelIndex();
    const int row = current.row();
    // A page moves by the rows that fit whole below (or above) the current
    // one, keeping it in sight; a viewport not taller than a row moves by one.
    const int height = RowHeight();
    const int pageRows =
        this->viewport()->height() > height ? (this->viewport()->height() - height) / height : 1;
    switch (action) {
    case QAbstractItemView::MoveUp:
    case QAbstractItemView::MovePrevious:
        return row > 0 ? IndexOfRow(row - 1) : current;
    case QAbstractItemView::MoveDown:
    case QAbstractItemView::MoveNext:
        return row + 1 < rows ? IndexOfRow(row + 1) : current;
    case QAbstractItemView::MovePageUp:
        return IndexOfRow(std::max(0, row - pageRows));
    case QAbstractItemView::MovePageDown:
        return IndexOfRow(std::min(rows - 1, row + pageRows));
    case QAbstractItemView::MoveHome:
        return IndexOfRow(0);
    case QAbstractItemView::MoveEnd:
        return IndexOfRow(rows - 1);
    case QAbstractItemView::MoveLeft:
    case QAbstractItemView::MoveRight:
        break; // one column: nothing lies sideways
    }
    return current;
}

template <class View>
void UniformRowView<View>::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    if (!this->selectionModel())
        return;
    const QPoint offset(horizontalOffset(), verticalOffset());
    const int rows = this->model()->rowCount(this->rootIndex());
    int first = -1;
    int last = -1;
    if (this->state() == QAbstractItemView::DragSelectingState) {
        // A rubber band takes every row it touches.
        const QRect band = rect.normalized().translated(offset);
        if (band.right() >= 0 && band.left() < RowWidth() && band.bottom() >= 0 && rows > 0) {
            first = std::max(0, band.top() / RowHeight());
            last = std::min(rows - 1, band.bottom() / RowHeight());
        }
    } else {
        // A click, or a Shift+click from where the selection began: the rows
        // under both corners and those between, when both corners are on rows.
        const int cornerRow = RowAtContentsPoint(rect.topLeft() + offset);
        const int otherRow = RowAtContentsPoint(rect.bottomRight() + offset);
        if (cornerRow >= 0 && otherRow >= 0) {
            first = std::min(cornerRow, otherRow);
            last = std::max(cornerRow, otherRow);
        }
    }
    QItemSelection selection;
    if (first >= 0 && first <= last)
        selection.select(IndexOfRow(first), IndexOfRow(last));
    this->selectionModel()->select(selection, command);
}

template <class View> void UniformRowView<View>::paintEvent(QPaintEvent* event) {
    const int rows = this->model()->rowCount(this->rootIndex());
    if (rows <= 0)
        return;
    QStyleOptionViewItem option;
    this->initViewItemOption(&option);
    QPainter painter(this->viewport());
    const QStyle::State viewState = option.state;
    const bool enabled = (viewState & QStyle::State_Enabled) != 0;
    const QModelIndex current = this->currentIndex();
    const bool focus = (this->hasFocus() || this->viewport()->hasFocus()) && current.isValid();
    QModelIndex hover;
    if (this->viewport()->testAttribute(Qt::WA_Hover) && this->viewport()->underMouse())
        hover = indexAt(this->viewport()->mapFromGlobal(QCursor::pos()));
    const int top = event->rect().top() + verticalOffset();
    const int bottom = event->rect().bottom() + verticalOffset();
    const int first = std::max(0, top / RowHeight());
    const int last = std::min(rows - 1, bottom / RowHeight());
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = IndexOfRow(row);
        option.rect = visualRect(index);
        option.state = viewState;
        if (this->selectionModel() && this->selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool itemEnabled = (this->model()->flags(index) & Qt::ItemIsEnabled) != 0;
            if (!itemEnabled)
                option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(itemEnabled ? QPalette::Normal : QPalette::Disabled);
        }
        if (focus && index == current) {
            option.state |= QStyle::State_HasFocus;
            if (this->state() == QAbstractItemView::EditingState)
                option.state |= QStyle::State_Editing;
        }
        option.state.setFlag(QStyle::State_MouseOver, index == hover);
        option.features.setFlag(QStyleOptionViewItem::Alternate,
                                this->alternatingRowColors() && row % 2 == 1);
        this->itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

template class UniformRowView<QListView>;
template class UniformRowView<QListWidget>;

} // namespace ui
