// The strings page's Include and Exclude lists: typing items in, moving them
// between the lists, deleting them, the list editor, the import and export
// windows, the hidden open and save of list files, Clear All, and the refresh
// that follows every change.
//
// Lists may hold 100,000 items: every "is it already there" test is the list
// control's own lookup, a list is changed in one go rather than item by item,
// and per-item work shows its progress at most about thirty times a second.

#include "create/strings/Vol02StringsPage.h"

#include "common/BoxCaption.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/IllegalCharacters.h"
#include "common/PathNormalising.h"
#include "common/PathSplitting.h"
#include "common/PathValidation.h"
#include "common/TextLines.h"
#include "create/engine/IncludeListSaving.h"
#include "tools/ExportHandOver.h"
#include "tools/ListFileStreams.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol02StringsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a String List.";
const std::string ListFileFilter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";

// The list's text in the form the run and the preview expect: backslashes,
// no doubled ones.
std::string NormalisedItem(const std::string& text) {
    return CollapseDoubleBackslashes(SlashesToBackslashes(text));
}

} // namespace

void Vol02StringsPage::UpdateVol02Preview() {
    const ui::ListBox& include = *ui_->lstVol02IncludeStrings;
    if (include.Count() == 0) {
        ClearPreview();
        return;
    }
    const _tagVol0XParts parts = BuildNameParts();
    ui_->lblVol02StartFolder->setText(QString::fromStdString(parts.NameOf(include.Text(0))));
    ui_->lblVol02EndFolder->setText(QString::fromStdString(parts.NameOf(include.Text(include.Count() - 1))));
}

void Vol02StringsPage::btnVol02AddToListClick() {
    if (runInProgress_)
        return;
    QLineEdit& entry = *ui_->edtVol02AddToList;
    const std::string text = Trim(entry.text().toStdString());
    if (text.empty()) {
        ui::ShowBox(
            this, Title + Blanks12 + "Warning no: 0004.",
            "The text field is empty !\nAction : You must enter a different name to add to the Include "
            "List.",
            ui::Icon::Warning);
        return;
    }
    // The item as it would be stored counts as well: "a/b" is "a\b".
    const std::string item = NormalisedItem(text);
    const ui::ListBox& include = *ui_->lstVol02IncludeStrings;
    const ui::ListBox& exclude = *ui_->lstVol02ExcludeStrings;
    if (include.Contains(text) || include.Contains(item)) {
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0005.",
                    "This item already exists in the Include list !", ui::Icon::Warning);
        return;
    }
    if (exclude.Contains(text) || exclude.Contains(item)) {
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0006.",
                    "This item already exists in the Exclude list !", ui::Icon::Warning);
        return;
    }
    if (!ExtractFileDrive(text).empty()) {
        ui::ShowBox(
            this, Title + "          Warning no: 0007.",
            "This item is a Folder Name (with drive letter) !\nAction : You must enter a string without a "
            "drive letter !!!",
            ui::Icon::Warning);
        return;
    }
    // ".." that leads out of the destination would make the folder somewhere
    // else: refused as an illegal character is, up to where it begins.
    std::string found;
    if (!HasIllegalCharacter(text, "H", found) && item.find("..") != std::string::npos &&
        ItemLeavesItsFolder(item))
        found = "..";
    std::size_t at = found.empty() ? std::string::npos : text.find(found);
    // A line break (lines pasted at once) or another control character can be
    // in no folder name; it is named, as it would print as nothing.
    const std::size_t control = FindControlCharacter(text);
    if (control < at) {
        at = control;
        found = ControlCharacterName(text[control]);
    }
    if (at != std::string::npos) {
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0008.", "Illegal character in the Text : " + found,
                    ui::Icon::Warning);
        entry.setText(QString::fromStdString(text.substr(0, at)));
        return;
    }
    ui_->lstVol02IncludeStrings->AddItem(item);
    entry.clear();
    UpdateVol02Preview();
    RefreshAfterListChange();
    entry.setFocus();
}

void Vol02StringsPage::btnVol02SmartImportClick() {
    ListPair().SmartImport(true, ui_->edtVol02AddToList);
}

void Vol02StringsPage::btnVol02SmartExportClick() {
    // The strings page hands over the items a run can make folders of.
    ListPair().SmartExport([](const std::string& item) { return !HasDrivePart(item); },
                           ui_->btnVol02SmartExport);
}

void Vol02StringsPage::btnVol02OpenClick() {
    // Names with a drive letter are full paths: no folder the page can make.
    ListPair().OpenListFile({ListFileFilter, "End of the Loading process.",
                             [](const std::string& line) {
                                 return ExtractFileDrive(line).empty() ? ListFileLine::Taken
                                                                       : ListFileLine::WrongKind;
                             },
                             false, true});
}

void Vol02StringsPage::btnVol02SaveClick() {
    if (runInProgress_)
        return;
    const std::optional<bool> saved =
        SaveIncludeList(this, ListFileFilter, ui_->lstVol02IncludeStrings->Items(),
                        [](const std::string& item) { return ExtractFileDrive(item).empty(); });
    if (saved) {
        if (!*saved)
            ui::ShowBox(this, Title + Blanks12 + "Warning no: 0016.",
                        "There was a problem saving the file !\nAction : The file is maybe corrupted.",
                        ui::Icon::Warning);
        // Saving ends with this notice whatever happened, as loading does.
        ui::desktop().ShowMessage("End of the saving process.");
    }
    UpdateCreateButtons(true);
}
