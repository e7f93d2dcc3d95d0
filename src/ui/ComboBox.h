#pragma once
// The framework's combo box on a QComboBox. Items are UTF-8 texts; indexes
// count from 0. Unlike a plain QComboBox, adding or removing items never
// changes the text the person typed nor picks an item by itself, and changes
// made through these calls fire none of the widget's signals. A sorted combo
// keeps its items in list order (ListOrder.h). Whole-item lookup ignores case
// and costs O(1).
//
// In a Qt Designer form, promote a QComboBox to ui::ComboBox (header
// "ui/ComboBox.h"); "sorted" can be set there as a dynamic property
// (stdset="0").

#include "ui/ItemTextIndex.h"
#include "ui/UpdateNesting.h"

#include <QComboBox>

#include <string>
#include <vector>

namespace ui {

class ComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(bool sorted READ Sorted WRITE SetSorted)
public:
    explicit ComboBox(QWidget* parent = nullptr);

    // The text shown: the edit text of an editable combo, else the selected
    // item's text ("" when none is selected).
    std::string Text() const;
    // An editable combo shows the text (the selection is left alone); another
    // selects the item holding it, or none.
    void SetText(const std::string& text);

    // Items.
    int Count() const { return index_.Count(); }
    // Throws FrameworkError ("List index out of bounds (5)") for a bad index.
    std::string Text(int index) const;
    std::vector<std::string> Items() const { return index_.Texts(); }
    int AddItem(const std::string& text); // the index it went to
    void AddItems(const std::vector<std::string>& texts);
    int InsertItem(int index, const std::string& text); // sorted: its place in order
    // Replaces an item's text; a sorted combo moves it to its new place. The
    // item's index afterwards.
    int SetText(int index, const std::string& text);
    void Delete(int index); // an index outside the list is ignored
    // Removes every item and, as the framework does, the text.
    void Clear();

    int IndexOf(const std::string& text) const { return index_.IndexOf(text); }
    bool Contains(const std::string& text) const { return index_.Contains(text); }

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);

    // The selected item, -1 for none.
    int ItemIndex() const { return currentIndex(); }
    // Selects the item and shows its text; -1 (or an index outside the list)
    // selects none and empties the text.
    void SetItemIndex(int index);

    void BeginUpdate() { updates_.Begin(); }
    void EndUpdate() { updates_.End(); }

    // The drop-down list opens as wide as its longest item needs (within the
    // screen), however narrow the box is on its page.
    void showPopup() override;

protected:
    // A text the box shows cut carries its whole text as the tooltip.
    bool event(QEvent* event) override;

private:
    // Runs a change of the items, then puts the text and the selection back as
    // they were (the selection follows its item when rows move).
    template <typename Change> void KeepingText(Change change);
    // Puts the present items and `added` in list order in one pass.
    void RebuildInOrder(const std::vector<std::string>& added);
    // A sorted list whose order Qt's own calls upset is put in order again
    // before the next sorted insertion.
    void EnsureOrder();

    ItemTextIndex index_;
    bool sorted_ = false;
    UpdateNesting updates_;
};

} // namespace ui
