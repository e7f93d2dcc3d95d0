#pragma once
// The framework's list box on a QListWidget whose rows are laid out by
// arithmetic (UniformRowList), so that long lists stay cheap to grow. Items
// are UTF-8 texts; indexes count from 0. A sorted list box keeps its items in list order (ListOrder.h)
// whatever way they are added. Whole-item lookup ignores case and costs O(1).
// Changes made through these calls fire none of the widget's signals, as the
// framework's list box fires no click for changes the program makes.
//
// In a Qt Designer form, promote a QListWidget to ui::ListBox (header
// "ui/ListBox.h"); the properties below can be set there as dynamic
// properties (stdset="0"): sorted, horizontalExtent, multiSelect.

#include "ui/ItemTextIndex.h"
#include "ui/UniformRowList.h"
#include "ui/UpdateNesting.h"

#include <string>
#include <vector>

namespace ui {

class ListBox : public UniformRowList {
    Q_OBJECT
    Q_PROPERTY(bool sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(int horizontalExtent READ HorizontalExtent WRITE SetHorizontalExtent)
    Q_PROPERTY(bool multiSelect READ MultiSelect WRITE SetMultiSelect)
public:
    explicit ListBox(QWidget* parent = nullptr);

    // Items.
    int Count() const { return index_.Count(); }
    // Throws FrameworkError ("List index out of bounds (5)") for a bad index.
    std::string Text(int index) const;
    std::vector<std::string> Items() const { return index_.Texts(); }
    // The index the item went to (its place in order when sorted).
    int AddItem(const std::string& text);
    // Many at once, without one layout pass per item. The texts a caller
    // hands over become the list's own copies.
    void AddItems(const std::vector<std::string>& texts);
    void AddItems(std::vector<std::string>&& texts);
    // At `index` (0..Count()); a sorted list puts the item at its place instead.
    int InsertItem(int index, const std::string& text);
    // Replaces an item's text; a sorted list moves it to its new place. The
    // item's index afterwards.
    int SetText(int index, const std::string& text);
    // An index outside the list is ignored, as the framework does.
    void Delete(int index);
    void Clear();

    // Whole-item lookup ignoring case: the first index holding the text, or -1.
    int IndexOf(const std::string& text) const { return index_.IndexOf(text); }
    bool Contains(const std::string& text) const { return index_.Contains(text); }
    // Contains for a text already folded (ListOrder.h's FoldCase).
    bool ContainsFolded(const std::string& folded) const { return index_.ContainsFolded(folded); }

    bool Sorted() const { return sorted_; }
    // Turning sorting on puts the present items in order.
    void SetSorted(bool sorted);

    // Selection (MultiSelect and SetMultiSelect come with the rows' view).
    bool Selected(int index) const; // throws for a bad index, like Text
    void SetSelected(int index, bool selected);
    std::vector<int> SelectedIndexes() const; // ascending
    int SelCount() const;
    void SelectAll();
    void ClearSelection();
    // A single-select list: the selected item, -1 for none. A multi-select
    // list: the item that has the focus rectangle, selected or not.
    int ItemIndex() const;
    // A single-select list: selects that item alone (-1 or an index outside
    // the list selects none). A multi-select list: moves the focus rectangle
    // there and leaves the selection as it is.
    void SetItemIndex(int index);

    // Lays the items out now instead of when the event loop next runs, so
    // that a paint that comes before it (a long piece of work that paints as
    // it goes) shows the items already added.
    void LayOutNow() { executeDelayedItemsLayout(); }

    // Paints are held back between the calls; they nest.
    void BeginUpdate() { updates_.Begin(); }
    void EndUpdate() { updates_.End(); }

private:
    // Puts every item, the present ones and `added`, in list order in one
    // pass, keeping the present items' selection and the current item.
    void RebuildInOrder(const std::vector<std::string>& added);
    // A sorted list whose order Qt's own calls upset is put in order again
    // before the next sorted insertion.
    void EnsureOrder();

    ItemTextIndex index_;
    bool sorted_ = false;
    UpdateNesting updates_;
};

} // namespace ui
