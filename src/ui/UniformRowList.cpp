#include "ui/UniformRowList.h"

#include <QCursor>
#include <QItemSelection>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace ui {

UniformRowList::UniformRowList(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    // Whatever reorders or empties the rows moves the rows on screen.
    const auto anything = [this] { RemeasureRows(); };
    modelConnections_ = {connect(model(), &QAbstractItemModel::modelReset, this, anything),
                         connect(model(), &QAbstractItemModel::layoutChanged, this, anything),
                         connect(model(), &QAbstractItemModel::rowsMoved, this, anything)};
}

UniformRowList::~UniformRowList() {
    for (const QMetaObject::Connection& connection : modelConnections_)
        disconnect(connection);
}

void UniformRowList::RemeasureRows() {
    sinceLayout_ = SinceLayout::Anything;
    scheduleDelayedItemsLayout();
}

bool UniformRowList::event(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        sinceLayout_ = SinceLayout::Anything;
    return QListWidget::event(event);
}

void UniformRowList::rowsInserted(const QModelIndex& parent, int start, int end) {
    if (parent != rootIndex() || start <= 0 || sinceLayout_ == SinceLayout::Anything) {
        sinceLayout_ = SinceLayout::Anything;
    } else if (sinceLayout_ == SinceLayout::Nothing) {
        sinceLayout_ = SinceLayout::RowsInserted;
        firstInsertedRow_ = start;
    } else {
        firstInsertedRow_ = std::min(firstInsertedRow_, start);
    }
    QListWidget::rowsInserted(parent, start, end);
}

void UniformRowList::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    sinceLayout_ = SinceLayout::Anything;
    QListWidget::rowsAboutToBeRemoved(parent, start, end);
}

void UniformRowList::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                 const QList<int>& roles) {
    sinceLayout_ = SinceLayout::Anything;
    QListWidget::dataChanged(topLeft, bottomRight, roles);
}

QModelIndex UniformRowList::IndexOfRow(int row) const {
    return model()->index(row, modelColumn(), rootIndex());
}

QSize UniformRowList::RowSize() const {
    if (!rowSize_.isValid() && model()->rowCount(rootIndex()) > 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex first = IndexOfRow(0);
        rowSize_ = itemDelegateForIndex(first)->sizeHint(option, first);
    }
    return rowSize_;
}

int UniformRowList::RowHeight() const {
    return std::max(1, RowSize().height());
}

int UniformRowList::RowWidth() const {
    return std::max(RowSize().width(), viewport()->width());
}

int UniformRowList::WholeRowsShown() const {
    return std::max(1, viewport()->height() / RowHeight());
}

int UniformRowList::RowAtContentsPoint(QPoint point) const {
    if (point.x() < 0 || point.x() >= RowWidth() || point.y() < 0)
        return -1;
    const int row = point.y() / RowHeight();
    return row < model()->rowCount(rootIndex()) ? row : -1;
}

void UniformRowList::doItemsLayout() {
    const bool onlyInserted = sinceLayout_ == SinceLayout::RowsInserted && rowSize_.isValid();
    sinceLayout_ = SinceLayout::Nothing;
    if (onlyInserted) {
        // The rows above the first new one kept their places and looks.
        updateGeometries();
        const int top = std::max(0, firstInsertedRow_ * RowHeight() - verticalOffset());
        if (top < viewport()->height())
            viewport()->update(0, top, viewport()->width(), viewport()->height() - top);
        return;
    }
    rowSize_ = QSize();
    RowSize();
    // Qt's list view would place every row here; the rows need no places.
    QAbstractItemView::doItemsLayout();
}

QRect UniformRowList::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != modelColumn())
        return QRect();
    return QRect(-horizontalOffset(), index.row() * RowHeight() - verticalOffset(), RowWidth(), RowHeight());
}

QModelIndex UniformRowList::indexAt(const QPoint& point) const {
    const int row = RowAtContentsPoint(point + QPoint(horizontalOffset(), verticalOffset()));
    return row < 0 ? QModelIndex() : IndexOfRow(row);
}

int UniformRowList::horizontalOffset() const {
    return horizontalScrollBar()->value();
}

int UniformRowList::verticalOffset() const {
    const int value = verticalScrollBar()->value();
    return ScrollsPerRow() ? value * RowHeight() : value;
}

void UniformRowList::updateGeometries() {
    const int rows = model()->rowCount(rootIndex());
    if (geometry().isEmpty() || rows <= 0) {
        horizontalScrollBar()->setRange(0, 0);
        verticalScrollBar()->setRange(0, 0);
    } else {
        const QSize row = RowSize();
        const int viewportHeight = viewport()->height();
        horizontalScrollBar()->setSingleStep(row.width());
        horizontalScrollBar()->setPageStep(viewport()->width());
        horizontalScrollBar()->setRange(0, std::max(0, row.width() - viewport()->width()));
        const qint64 contentsHeight = static_cast<qint64>(rows) * RowHeight();
        if (ScrollsPerRow()) {
            // A list that fits has one step more than it has rows, as in Qt's list view.
            const int pageRows = contentsHeight <= viewportHeight ? rows + 1 : WholeRowsShown();
            verticalScrollBar()->setSingleStep(1);
            verticalScrollBar()->setPageStep(pageRows);
            verticalScrollBar()->setRange(0, std::max(0, rows - pageRows));
        } else {
            verticalScrollBar()->setSingleStep(row.height());
            verticalScrollBar()->setPageStep(viewportHeight);
            verticalScrollBar()->setRange(
                0, static_cast<int>(std::max<qint64>(0, contentsHeight - viewportHeight)));
        }
    }
    QAbstractItemView::updateGeometries();
}

void UniformRowList::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, ScrollsPerRow() ? dy * RowHeight() : dy);
}

void UniformRowList::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (index.parent() != rootIndex() || index.column() != modelColumn())
        return;
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = viewport()->rect();
    if (hint == EnsureVisible && area.contains(rect)) {
        viewport()->update(rect);
        return;
    }
    if (hint == EnsureVisible && rect.top() < area.top())
        hint = PositionAtTop;
    else if (hint == EnsureVisible && rect.bottom() > area.bottom())
        hint = PositionAtBottom;
    QScrollBar& bar = *verticalScrollBar();
    if (ScrollsPerRow()) {
        const int row = index.row();
        const int rowsUpToIt = std::min(row + 1, viewport()->height() / RowHeight());
        if (hint == PositionAtTop)
            bar.setValue(row);
        else if (hint == PositionAtBottom)
            bar.setValue(row - rowsUpToIt + 1);
        else if (hint == PositionAtCenter)
            bar.setValue(row - rowsUpToIt / 2);
        return;
    }
    if (hint == PositionAtTop)
        bar.setValue(bar.value() + rect.top());
    else if (hint == PositionAtBottom)
        bar.setValue(bar.value() + std::min(rect.top(), rect.bottom() - area.height() + 1));
    else if (hint == PositionAtCenter)
        bar.setValue(bar.value() + rect.top() - (area.height() - rect.height()) / 2);
}

QModelIndex UniformRowList::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int rows = model()->rowCount(rootIndex());
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return rows > 0 ? IndexOfRow(0) : QModelIndex();
    const int row = current.row();
    // A page moves by the rows that fit whole below (or above) the current
    // one, keeping it in sight; a viewport not taller than a row moves by one.
    const int height = RowHeight();
    const int pageRows = viewport()->height() > height ? (viewport()->height() - height) / height : 1;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        return row > 0 ? IndexOfRow(row - 1) : current;
    case MoveDown:
    case MoveNext:
        return row + 1 < rows ? IndexOfRow(row + 1) : current;
    case MovePageUp:
        return IndexOfRow(std::max(0, row - pageRows));
    case MovePageDown:
        return IndexOfRow(std::min(rows - 1, row + pageRows));
    case MoveHome:
        return IndexOfRow(0);
    case MoveEnd:
        return IndexOfRow(rows - 1);
    case MoveLeft:
    case MoveRight:
        break; // one column: nothing lies sideways
    }
    return current;
}

void UniformRowList::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    if (!selectionModel())
        return;
    const QPoint offset(horizontalOffset(), verticalOffset());
    const int rows = model()->rowCount(rootIndex());
    int first = -1;
    int last = -1;
    if (state() == DragSelectingState) {
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
    selectionModel()->select(selection, command);
}

void UniformRowList::paintEvent(QPaintEvent* event) {
    const int rows = model()->rowCount(rootIndex());
    if (rows <= 0)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());
    const QStyle::State viewState = option.state;
    const bool enabled = (viewState & QStyle::State_Enabled) != 0;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    QModelIndex hover;
    if (viewport()->testAttribute(Qt::WA_Hover) && viewport()->underMouse())
        hover = indexAt(viewport()->mapFromGlobal(QCursor::pos()));
    const int top = event->rect().top() + verticalOffset();
    const int bottom = event->rect().bottom() + verticalOffset();
    const int first = std::max(0, top / RowHeight());
    const int last = std::min(rows - 1, bottom / RowHeight());
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = IndexOfRow(row);
        option.rect = visualRect(index);
        option.state = viewState;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool itemEnabled = (model()->flags(index) & Qt::ItemIsEnabled) != 0;
            if (!itemEnabled)
                option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(itemEnabled ? QPalette::Normal : QPalette::Disabled);
        }
        if (focus && index == current) {
            option.state |= QStyle::State_HasFocus;
            if (state() == EditingState)
                option.state |= QStyle::State_Editing;
        }
        option.state.setFlag(QStyle::State_MouseOver, index == hover);
        option.features.setFlag(QStyleOptionViewItem::Alternate, alternatingRowColors() && row % 2 == 1);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

} // namespace ui
