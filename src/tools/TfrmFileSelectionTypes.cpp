// The file-type lists of the file selection window: adding a type, moving
// types between Include and Exclude, deleting from Exclude, and locating a
// type by its first letters.

#include "common/FrameworkText.h"
#include "tools/ItemListMoves.h"
#include "tools/TfrmFileSelection.h"
#include "ui/ListBox.h"

#include "ui_TfrmFileSelection.h"

namespace {

// The most types a list takes through the window's own operations.
constexpr int kTypeLimit = 30000;

} // namespace

void TfrmFileSelection::btnFileTypesAddClick() {
    ui::ListBox& include = *ui_->lstFileTypesInclude;
    // The duplicate tests take the text as typed: a leading blank makes it
    // another text, letter case does not.
    const std::string typed = ui_->edtFileTypesAdd->text().toStdString();
    if (include.Count() >= kTypeLimit)
        Warn("0534", limitText_);
    else if (Trim(typed).empty())
        Warn("0535",
             "The text field is empty !\nAction : You must select a different name to add to the Include "
             "List.");
    else if (include.Contains(typed))
        Warn("0536", "This item is already exists in the Include list !");
    else if (ui_->lstFileTypesExclude->Contains(typed))
        Warn("0537", "This item is already exists in the Exclude list !");
    else
        include.AddItem(Trim(typed));
    // Selected, as on any focus, so that the next type replaces the text.
    ui_->edtFileTypesAdd->setFocus();
    ui_->edtFileTypesAdd->selectAll();
}

void TfrmFileSelection::edtFileTypesAddKeyPress(char& key) {
    if (key == 13)
        btnFileTypesAddClick();
}

void TfrmFileSelection::btnFileTypesIncToExcClick() {
    ui::ListBox& include = *ui_->lstFileTypesInclude;
    MoveListRows(include, *ui_->lstFileTypesExclude, include.SelectedIndexes());
}

void TfrmFileSelection::btnFileTypesExcToIncClick() {
    ui::ListBox& include = *ui_->lstFileTypesInclude;
    ui::ListBox& exclude = *ui_->lstFileTypesExclude;
    // Every selected item counts, whether Include holds it already or not.
    if (include.Count() + exclude.SelCount() > kTypeLimit) {
        Warn("0532", limitText_);
        return;
    }
    MoveListRows(exclude, include, exclude.SelectedIndexes());
}

void TfrmFileSelection::btnFileTypesAllFromIncClick() {
    ui::ListBox& include = *ui_->lstFileTypesInclude;
    MoveListRows(include, *ui_->lstFileTypesExclude, AllListRows(include));
}

void TfrmFileSelection::btnFileTypesAllFromExcClick() {
    ui::ListBox& include = *ui_->lstFileTypesInclude;
    ui::ListBox& exclude = *ui_->lstFileTypesExclude;
    int missing = 0;
    for (int i = 0; i < exclude.Count(); ++i) {
        if (!include.Contains(exclude.Text(i)))
            ++missing;
    }
    if (include.Count() + missing > kTypeLimit) {
        Warn("0533", limitText_);
        return;
    }
    MoveListRows(exclude, include, AllListRows(exclude));
}

void TfrmFileSelection::btnFileTypesDeleteClick() {
    ui::ListBox& exclude = *ui_->lstFileTypesExclude;
    if (exclude.Count() == 0) {
        Warn("0539",
             "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE list "
             "to delete it.\n");
        return;
    }
    if (Ask("0538",
            "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete ONLY "
            "from the EXCLUDE list.\n"))
        DeleteListRows(exclude, exclude.SelectedIndexes());
}

void TfrmFileSelection::btnFileTypesRemoveAllClick() {
    ui::ListBox& exclude = *ui_->lstFileTypesExclude;
    if (exclude.Count() == 0) {
        Warn("0541",
             "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE list "
             "to delete it.\n");
        return;
    }
    if (Ask("0540",
            "Do you want to delete ALL item(s) from the Exclude list ?\nNote: You can delete ONLY from the "
            "EXCLUDE list.\n"))
        exclude.Clear();
}

void TfrmFileSelection::LocateFileType() {
    ui::ListBox& include = *ui_->lstFileTypesInclude;
    const int count = include.Count();
    if (count == 0)
        return;
    // The list is sorted, so the first item not less than the text is found by
    // halving; when every item before the last is less, the last one is taken.
    const std::string text = ui_->edtFileTypesSelect->text().toStdString();
    int low = 0;
    int high = count - 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (CompareText(include.Text(middle), text) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    include.ClearSelection();
    include.SetSelected(low, true);
    include.SetItemIndex(low);
    include.scrollToItem(include.item(low));
}
