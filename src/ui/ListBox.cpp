#include "ui/ListBox.h"

#include "ui/ExtentDelegate.h"
#include "ui/ListControlItems.h"
#include "ui/ListOrder.h"

#include <QHelpEvent>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QSignalBlocker>

#include <algorithm>

namespace ui {

ListBox::ListBox(QWidget* parent) : UniformRowList(parent), updates_(*this) {
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new ExtentDelegate(horizontalExtent_, this));
    index_.Attach(model());
}

std::string ListBox::Text(int index) const {
    CheckListIndex(index, Count());
    return index_.Text(index);
}

int ListBox::AddItem(const std::string& text) {
    EnsureOrder();
    const QSignalBlocker blocker(this);
    int row = sorted_ ? index_.SortedPosition(text) : Count();
    index_.ExpectInserted(text);
    insertItem(row, QString::fromStdString(text));
    return row;
}

void ListBox::AddItems(const std::vector<std::string>& texts) {
    if (texts.empty())
        return;
    if (!sorted_) {
        AddItems(std::vector<std::string>(texts));
        return;
    }
    if (texts.size() >= kSmallSortedBatch || !index_.InOrder()) {
        RebuildInOrder(texts);
        return;
    }
    const QSignalBlocker blocker(this);
    for (const std::string& text : texts) {
        const int row = index_.SortedPosition(text);
        index_.ExpectInserted(text);
        insertItem(row, QString::fromStdString(text));
    }
}

void ListBox::AddItems(std::vector<std::string>&& texts) {
    if (texts.empty())
        return;
    if (sorted_) {
        AddItems(static_cast<const std::vector<std::string>&>(texts));
        return;
    }
    // One insertion for the batch: the model and the view take it in one
    // pass, and the mirror keeps the caller's texts instead of converting
    // each one back.
    const QSignalBlocker blocker(this);
    const QStringList labels = ToQStringList(texts);
    index_.ExpectInserted(std::move(texts));
    addItems(labels);
}

int ListBox::InsertItem(int index, const std::string& text) {
    if (sorted_)
        return AddItem(text);
    CheckListIndex(index, Count() + 1);
    const QSignalBlocker blocker(this);
    index_.ExpectInserted(text);
    insertItem(index, QString::fromStdString(text));
    return index;
}

int ListBox::SetText(int index, const std::string& text) {
    CheckListIndex(index, Count());
    const QSignalBlocker blocker(this);
    if (!sorted_) {
        item(index)->setText(QString::fromStdString(text));
        return index;
    }
    const bool wasSelected = Selected(index);
    const bool wasCurrent = currentRow() == index;
    delete takeItem(index);
    const int row = index_.SortedPosition(text);
    index_.ExpectInserted(text);
    insertItem(row, QString::fromStdString(text));
    if (wasSelected)
        selectionModel()->select(model()->index(row, 0), QItemSelectionModel::Select);
    if (wasCurrent)
        selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
    return row;
}

void ListBox::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    const QSignalBlocker blocker(this);
    delete takeItem(index);
}

void ListBox::Clear() {
    const QSignalBlocker blocker(this);
    clear();
}

void ListBox::SetSorted(bool sorted) {
    sorted_ = sorted;
    EnsureOrder();
}

void ListBox::EnsureOrder() {
    if (sorted_ && !index_.InOrder())
        RebuildInOrder({});
}

void ListBox::RebuildInOrder(const std::vector<std::string>& added) {
    struct Entry {
        ListOrderKey key;
        const std::string* text;
        int oldRow; // -1 for an added item
    };
    const std::vector<std::string> present = index_.Texts();
    std::vector<Entry> entries;
    entries.reserve(present.size() + added.size());
    for (size_t i = 0; i < present.size(); ++i)
        entries.push_back({ListOrderKey(present[i]), &present[i], static_cast<int>(i)});
    for (const std::string& text : added)
        entries.push_back({ListOrderKey(text), &text, -1});
    // Present items keep their relative order among equal texts, and added
    // ones follow them, as adding them one by one would give.
    const auto before = [](const Entry& a, const Entry& b) {
        return CompareListOrderKeys(a.key, *a.text, b.key, *b.text) < 0;
    };
    // Items often come in order already (moved from another sorted list, or
    // put in order by the caller): one pass tells, and saves the sort.
    if (!std::is_sorted(entries.begin(), entries.end(), before))
        std::stable_sort(entries.begin(), entries.end(), before);

    std::vector<char> wasSelected(present.size(), 0);
    for (const QModelIndex& selected : selectionModel()->selectedIndexes())
        wasSelected[static_cast<size_t>(selected.row())] = 1;
    const int oldCurrent = currentRow();

    QStringList ordered;
    std::vector<std::string> orderedTexts;
    ordered.reserve(static_cast<qsizetype>(entries.size()));
    orderedTexts.reserve(entries.size());
    for (const Entry& entry : entries) {
        ordered.append(QString::fromStdString(*entry.text));
        orderedTexts.push_back(*entry.text);
    }

    const QSignalBlocker blocker(this);
    BeginUpdate();
    clear();
    index_.ExpectInserted(std::move(orderedTexts));
    addItems(ordered);
    QItemSelection selection;
    int newCurrent = -1;
    int runStart = -1; // the first row of a run of selected rows
    const auto closeRun = [&](int end) {
        if (runStart >= 0)
            selection.select(model()->index(runStart, 0), model()->index(end - 1, 0));
        runStart = -1;
    };
    for (size_t i = 0; i < entries.size(); ++i) {
        const int row = static_cast<int>(i);
        const int oldRow = entries[i].oldRow;
        if (oldRow >= 0 && oldRow == oldCurrent)
            newCurrent = row;
        if (oldRow >= 0 && wasSelected[static_cast<size_t>(oldRow)]) {
            if (runStart < 0)
                runStart = row;
        } else {
            closeRun(row);
        }
    }
    closeRun(static_cast<int>(entries.size()));
    if (newCurrent >= 0)
        selectionModel()->setCurrentIndex(model()->index(newCurrent, 0), QItemSelectionModel::NoUpdate);
    if (!selection.isEmpty())
        selectionModel()->select(selection, QItemSelectionModel::Select);
    EndUpdate();
}

bool ListBox::Selected(int index) const {
    CheckListIndex(index, Count());
    return selectionModel()->isSelected(model()->index(index, 0));
}

void ListBox::SetSelected(int index, bool selected) {
    CheckListIndex(index, Count());
    const QSignalBlocker blocker(this);
    const QModelIndex at = model()->index(index, 0);
    if (!MultiSelect()) {
        if (selected)
            selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
        else
            selectionModel()->select(at, QItemSelectionModel::Deselect);
        return;
    }
    selectionModel()->select(at, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

std::vector<int> ListBox::SelectedIndexes() const {
    std::vector<int> rows;
    for (const QModelIndex& selected : selectionModel()->selectedIndexes())
        rows.push_back(selected.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int ListBox::SelCount() const {
    return static_cast<int>(SelectedIndexes().size());
}

void ListBox::SelectAll() {
    if (Count() == 0)
        return;
    const QSignalBlocker blocker(this);
    if (!MultiSelect())
        return;
    selectionModel()->select(QItemSelection(model()->index(0, 0), model()->index(Count() - 1, 0)),
                             QItemSelectionModel::Select);
}

void ListBox::ClearSelection() {
    const QSignalBlocker blocker(this);
    selectionModel()->clearSelection();
}

int ListBox::ItemIndex() const {
    if (MultiSelect())
        return currentRow();
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::SetItemIndex(int index) {
    const QSignalBlocker blocker(this);
    const bool inside = index >= 0 && index < Count();
    const QModelIndex at = inside ? model()->index(index, 0) : QModelIndex();
    if (MultiSelect()) {
        selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
        return;
    }
    if (!inside) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    scrollTo(at);
}

} // namespace ui
