#pragma once
// The list a run fills with the names it created or could not create (a
// statistics window's result lists): a list view over UTF-8 texts that it
// keeps as they are, laid out by arithmetic (UniformRowView). Adding a row
// costs its string; a row becomes a QString only when it is painted. It looks
// and answers keys and the mouse as ui::ListBox does, with the calls of a
// list box that a result list needs; the pages' editable lists stay list
// boxes. Indexes count from 0. Changes made through these calls fire none of
// the widget's signals.
//
// In a Qt Designer form, promote a QListView to ui::ResultList (header
// "ui/ResultList.h"); horizontalExtent and multiSelect can be set there as
// dynamic properties (stdset="0").

#include "ui/UniformRowView.h"
#include "ui/UpdateNesting.h"

#include <string>
#include <vector>

namespace ui {

class TextListModel;

class ResultList : public UniformRowView<QListView> {
    Q_OBJECT
    Q_PROPERTY(int horizontalExtent READ HorizontalExtent WRITE SetHorizontalExtent)
    Q_PROPERTY(bool multiSelect READ MultiSelect WRITE SetMultiSelect)
public:
    explicit ResultList(QWidget* parent = nullptr);

    int Count() const;
    // Throws FrameworkError ("List index out of bounds (5)") for a bad index.
    std::string Text(int index) const;
    std::vector<std::string> Items() const;
    // The index the item went to: the end.
    int AddItem(const std::string& text);
    // Many at once, in one insertion. The texts a caller hands over become
    // the list's own.
    void AddItems(const std::vector<std::string>& texts);
    void AddItems(std::vector<std::string>&& texts);
    void Clear();

    // Lays the items out now instead of when the event loop next runs, so
    // that a paint that comes before it shows the items already added.
    void LayOutNow() { executeDelayedItemsLayout(); }

    // Paints are held back between the calls; they nest.
    void BeginUpdate() { updates_.Begin(); }
    void EndUpdate() { updates_.End(); }

private:
    TextListModel* model_;
    UpdateNesting updates_;
};

} // namespace ui
