#include "ui/ComboBox.h"

#include "ui/ListControlItems.h"
#include "ui/ListOrder.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolTip>

#include <algorithm>

namespace ui {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent), updates_(*this) {
    // The framework's combo never turns what the person typed into an item.
    setInsertPolicy(QComboBox::NoInsert);
    index_.Attach(model(), modelColumn());
}

template <typename Change> void ComboBox::KeepingText(Change change) {
    const QSignalBlocker blocker(this);
    const QString text = currentText();
    const QPersistentModelIndex current =
        currentIndex() >= 0 ? QPersistentModelIndex(model()->index(currentIndex(), modelColumn()))
                            : QPersistentModelIndex();
    change();
    // QComboBox picks an item when the first ones arrive and another when the
    // selected one goes; the framework's combo does neither.
    const int wanted = current.isValid() ? current.row() : -1;
    if (currentIndex() != wanted)
        setCurrentIndex(wanted);
    if (isEditable() && lineEdit() && lineEdit()->text() != text)
        setEditText(text);
}

std::string ComboBox::Text() const {
    return currentText().toStdString();
}

void ComboBox::SetText(const std::string& text) {
    const QSignalBlocker blocker(this);
    if (isEditable()) {
        setEditText(QString::fromStdString(text));
        return;
    }
    setCurrentIndex(IndexOf(text));
}

std::string ComboBox::Text(int index) const {
    CheckListIndex(index, Count());
    return index_.Text(index);
}

int ComboBox::AddItem(const std::string& text) {
    EnsureOrder();
    const int row = sorted_ ? index_.SortedPosition(text) : Count();
    KeepingText([&] { insertItem(row, QString::fromStdString(text)); });
    return row;
}

void ComboBox::AddItems(const std::vector<std::string>& texts) {
    if (texts.empty())
        return;
    if (!sorted_) {
        KeepingText([&] { insertItems(Count(), ToQStringList(texts)); });
        return;
    }
    if (texts.size() < kSmallSortedBatch && index_.InOrder()) {
        KeepingText([&] {
            for (const std::string& text : texts)
                insertItem(index_.SortedPosition(text), QString::fromStdString(text));
        });
        return;
    }
    RebuildInOrder(texts);
}

void ComboBox::RebuildInOrder(const std::vector<std::string>& added) {
    std::vector<std::string> all = index_.Texts();
    const int oldCurrent = currentIndex();
    const std::string currentItem = oldCurrent >= 0 ? all[static_cast<size_t>(oldCurrent)] : std::string();
    all.insert(all.end(), added.begin(), added.end());
    std::stable_sort(all.begin(), all.end(), ListOrderLess());
    KeepingText([&] {
        clear();
        insertItems(0, ToQStringList(all));
    });
    if (oldCurrent < 0)
        return;
    // The selected item stays selected (the first item of its exact text).
    const QSignalBlocker blocker(this);
    const QString shown = currentText();
    setCurrentIndex(static_cast<int>(std::lower_bound(all.begin(), all.end(), currentItem, ListOrderLess()) -
                                     all.begin()));
    if (isEditable())
        setEditText(shown);
}

int ComboBox::InsertItem(int index, const std::string& text) {
    if (sorted_)
        return AddItem(text);
    CheckListIndex(index, Count() + 1);
    KeepingText([&] { insertItem(index, QString::fromStdString(text)); });
    return index;
}

int ComboBox::SetText(int index, const std::string& text) {
    CheckListIndex(index, Count());
    if (!sorted_) {
        KeepingText([&] { setItemText(index, QString::fromStdString(text)); });
        return index;
    }
    const bool wasCurrent = currentIndex() == index;
    int row = -1;
    KeepingText([&] {
        removeItem(index);
        row = index_.SortedPosition(text);
        insertItem(row, QString::fromStdString(text));
    });
    if (wasCurrent) {
        const QSignalBlocker blocker(this);
        const QString shown = currentText();
        setCurrentIndex(row);
        if (isEditable())
            setEditText(shown);
    }
    return row;
}

void ComboBox::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    KeepingText([&] { removeItem(index); });
}

void ComboBox::Clear() {
    const QSignalBlocker blocker(this);
    clear();
    if (isEditable())
        clearEditText();
}

void ComboBox::SetSorted(bool sorted) {
    sorted_ = sorted;
    EnsureOrder();
}

void ComboBox::EnsureOrder() {
    if (sorted_ && !index_.InOrder())
        RebuildInOrder({});
}

void ComboBox::SetItemIndex(int index) {
    const QSignalBlocker blocker(this);
    if (index < 0 || index >= Count()) {
        setCurrentIndex(-1);
        if (isEditable())
            clearEditText();
        return;
    }
    setCurrentIndex(index);
}

void ComboBox::showPopup() {
    int widest = 0;
    const QFontMetrics metrics = view()->fontMetrics();
    for (int row = 0; row < Count(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(Text(row))));
    const int frame =
        2 * view()->frameWidth() + view()->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
    const int most = screen() ? screen()->availableGeometry().width() : widest + frame;
    view()->setMinimumWidth(std::min(widest + frame, most));
    QComboBox::showPopup();
}

bool ComboBox::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || currentText().isEmpty())
        return QComboBox::event(event);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect textRect =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (fontMetrics().horizontalAdvance(currentText()) <= textRect.width())
        return QComboBox::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), currentText(), this, rect());
    return true;
}

} // namespace ui
