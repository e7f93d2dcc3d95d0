// The strings page's Include and Exclude lists: typing items in, moving them
// between the lists, deleting them, the list editor, the import and export
// windows, the hidden open and save of list files, Clear All, and the refresh
// that follows every change.
//
// Lists may hold 100,000 items: every "is it already there" test is the list
// control's own lookup, a list is changed in one go rather than item by item,
// and per-item work shows its progress at most about thirty times a second.

#include "create/strings/Vol02StringsPage.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/IllegalCharacters.h"
#include "common/PathNormalising.h"
#include "common/PathSplitting.h"
#include "common/PathValidation.h"
#include "create/engine/PageRunGuard.h"
#include "create/strings/TfrmVol02EditIncludeList.h"
#include "tools/ExcludeListClearing.h"
#include "tools/ExportHandOver.h"
#include "tools/ItemListMoves.h"
#include "tools/ListFileStreams.h"
#include "tools/TfrmFileImport.h"
#include "tools/UpdatePacer.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmFileImport.h"
#include "ui_Vol02StringsPage.h"

#include <limits>
#include <unordered_set>

namespace {

const std::string Title = "Creating Folder(s).-From a String List.";
const std::string Blanks12 = "            ";

int ProgressMaximum(size_t count) {
    return static_cast<int>(std::min<size_t>(count, static_cast<size_t>(std::numeric_limits<int>::max())));
}

// The list's text in the form the run and the preview expect: backslashes,
// no doubled ones.
std::string NormalisedItem(const std::string& text) {
    return CollapseDoubleBackslashes(SlashesToBackslashes(text));
}

} // namespace

void Vol02StringsPage::ShowListCounts() {
    ui_->lblVol02IncludeSum->setText(QString::number(ui_->lstVol02IncludeStrings->Count()));
    ui_->lblVol02ExcludeSum->setText(QString::number(ui_->lstVol02ExcludeStrings->Count()));
}

void Vol02StringsPage::ListWorkStep(UpdatePacer& pacer, int pendingIncludeItems, int progress) {
    if (!pacer.Due())
        return;
    if (progress >= 0)
        ui_->pbVol02ProgressBar->setValue(progress);
    ui_->lblVol02IncludeSum->setText(
        QString::number(ui_->lstVol02IncludeStrings->Count() + pendingIncludeItems));
    ui_->lblVol02ExcludeSum->setText(QString::number(ui_->lstVol02ExcludeStrings->Count()));
    ui::desktop().ProcessMessages();
}

void Vol02StringsPage::PlanToCreate() {
    // With "Attach Nothing." no structure is copied, whatever the structure
    // list still holds: the plan is one folder per item and nothing else, and
    // no free-space check of structures that no run will attach.
    if (ui_->rdoVol02AttachNothing->isChecked()) {
        block_.Counters.ToCreate =
            CounterRow{static_cast<double>(ui_->lstVol02IncludeStrings->Count()), 0, 0, 0};
        return;
    }
    CheckFreeSpace(WithFilesModeChecked());
}

void Vol02StringsPage::RefreshAfterListChange() {
    if (ui_->lstVol02IncludeStrings->Count() > 0) {
        SetPageControlsEnabled(true);
        UpdateCreateButtons(true);
    } else {
        SetNameControlsEnabled(false);
        UpdateCreateButtons(true);
    }
    ResetAllCounters();
    UpdateVol02Preview();
    PlanToCreate();
    RefreshResultLabels();
    RefreshStatisticLabels();
    ShowListCounts();
    ui_->pbVol02ProgressBar->hide();
}

void Vol02StringsPage::UpdateVol02Preview() {
    const ui::ListBox& include = *ui_->lstVol02IncludeStrings;
    if (include.Count() == 0) {
        ui_->lblVol02StartFolder->clear();
        ui_->lblVol02EndFolder->clear();
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
    std::string found;
    if (HasIllegalCharacter(text, "H", found)) {
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0008.", "Illegal character in the Text : " + found,
                    ui::Icon::Warning);
        entry.setText(QString::fromStdString(text.substr(0, text.find(found))));
        return;
    }
    // ".." that leads out of the destination would make the folder somewhere
    // else: refused as an illegal character is, up to where it begins.
    if (item.find("..") != std::string::npos && ItemLeavesItsFolder(item)) {
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0008.", "Illegal character in the Text : ..",
                    ui::Icon::Warning);
        entry.setText(QString::fromStdString(text.substr(0, text.find(".."))));
        return;
    }
    ui_->lstVol02IncludeStrings->AddItem(item);
    entry.clear();
    UpdateVol02Preview();
    RefreshAfterListChange();
    entry.setFocus();
}

void Vol02StringsPage::edtVol02AddToListKeyPress() {
    btnVol02AddToListClick();
}

void Vol02StringsPage::MoveBetweenLists(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows) {
    {
        PageRunGuard busy(runInProgress_, *this);
        UpdatePacer pacer;
        MoveListRows(from, to, rows, [&] { ListWorkStep(pacer); });
    }
    RefreshAfterListChange();
    ui_->edtVol02AddToList->setFocus();
}

void Vol02StringsPage::btnVol02IncToExcClick() {
    if (runInProgress_)
        return;
    MoveBetweenLists(*ui_->lstVol02IncludeStrings, *ui_->lstVol02ExcludeStrings,
                     ui_->lstVol02IncludeStrings->SelectedIndexes());
}

void Vol02StringsPage::btnVol02ExcToIncClick() {
    if (runInProgress_)
        return;
    MoveBetweenLists(*ui_->lstVol02ExcludeStrings, *ui_->lstVol02IncludeStrings,
                     ui_->lstVol02ExcludeStrings->SelectedIndexes());
}

void Vol02StringsPage::btnVol02AllFromIncClick() {
    if (runInProgress_)
        return;
    MoveBetweenLists(*ui_->lstVol02IncludeStrings, *ui_->lstVol02ExcludeStrings,
                     AllListRows(*ui_->lstVol02IncludeStrings));
}

void Vol02StringsPage::btnVol02AllFromExcClick() {
    if (runInProgress_)
        return;
    MoveBetweenLists(*ui_->lstVol02ExcludeStrings, *ui_->lstVol02IncludeStrings,
                     AllListRows(*ui_->lstVol02ExcludeStrings));
}

void Vol02StringsPage::btnVol02DeleteFromExcludeClick() {
    if (runInProgress_)
        return;
    ui::ListBox& exclude = *ui_->lstVol02ExcludeStrings;
    if (exclude.Count() == 0) {
        ui::ShowBox(
            this, Title + Blanks12 + "Warning no: 0144.",
            "The EXCLUDE list is empty !\nAction : You must enter at least one STRING to the EXCLUDE list to "
            "delete it.\n",
            ui::Icon::Warning);
    } else if (ui::ShowBox(
                   this, Title + Blanks12 + "Warning no: 0017.",
                   "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete "
                   "ONLY from the EXCLUDE list.\n",
                   ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes) {
        DeleteListRows(exclude, exclude.SelectedIndexes());
    }
    RefreshAfterListChange();
    ui_->edtVol02AddToList->setFocus();
}

void Vol02StringsPage::btnVol02DeleteExcludeAllClick() {
    if (runInProgress_)
        return;
    ExcludeListClearing page;
    page.owner = this;
    page.excludeList = ui_->lstVol02ExcludeStrings;
    page.countLabel = ui_->lblVol02ExcludeSum;
    page.warningCaption = Title + Blanks12 + "Warning no: 0528.";
    page.questionCaption = Title + Blanks12 + "Warning no: 0529.";
    page.refresh = [this] { RefreshAfterListChange(); };
    page.button = ui_->btnVol02DeleteExcludeAll;
    ClearExcludeList(page);
}

void Vol02StringsPage::btnVol02EditIncludeListClick() {
    if (runInProgress_)
        return;
    frmVol02EditIncludeList->LoadList(*ui_->lstVol02IncludeStrings, *ui_->lstVol02ExcludeStrings);
    if (ui::desktop().ShowModal(*frmVol02EditIncludeList) == ui::Answer::Ok)
        RefreshAfterListChange();
    ui_->edtVol02AddToList->setFocus();
}

void Vol02StringsPage::btnVol02SmartImportClick() {
    if (runInProgress_)
        return;
    const ui::Answer answer = ui::desktop().ShowModal(*frmFileImport);
    const ui::ListBox& results = *frmFileImport->Controls().lstFileImportResults;
    if (results.Count() == 0) {
        ui::ShowBox(this, Title + "             Warning no: 0377.",
                    "Empty Result List in the File Import Window!\n", ui::Icon::Warning);
    } else if (answer == ui::Answer::Ok) {
        PageRunGuard busy(runInProgress_, *this);
        const ui::ListBox& include = *ui_->lstVol02IncludeStrings;
        const ui::ListBox& exclude = *ui_->lstVol02ExcludeStrings;
        // The new items join the list in one go at the end; meanwhile their
        // keys make the duplicate test see them.
        std::vector<std::string> added;
        std::unordered_set<std::string> addedKeys;
        addedKeys.reserve(static_cast<size_t>(results.Count()));
        QProgressBar& progress = *ui_->pbVol02ProgressBar;
        progress.setValue(0);
        progress.setMaximum(ProgressMaximum(static_cast<size_t>(results.Count())));
        progress.show();
        UpdatePacer pacer;
        std::deque<std::string> paths;
        for (int line = 0; line < results.Count(); ++line) {
            SplitPathsAtDrives(results.Text(line), paths);
            for (const std::string& path : paths) {
                std::string entry = Trim(path);
                if (entry.empty())
                    continue;
                std::string key = ui::FoldCase(entry);
                if (include.ContainsFolded(key) || exclude.ContainsFolded(key))
                    continue;
                if (addedKeys.insert(std::move(key)).second)
                    added.push_back(std::move(entry));
            }
            ListWorkStep(pacer, static_cast<int>(added.size()), line);
        }
        ui_->lstVol02IncludeStrings->AddItems(added);
        progress.hide();
    }
    RefreshAfterListChange();
    ui_->edtVol02AddToList->setFocus();
}

void Vol02StringsPage::btnVol02SmartExportClick() {
    if (runInProgress_)
        return;
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = Title + Blanks12 + "Warning no: 0556.";
    how.emptyText = "The Include List is empty !\n";
    // The strings page hands over the items a run can make folders of.
    how.accept = [](const std::string& item) { return !HasDrivePart(item); };
    how.listType = "STRINGS";
    how.progressBar = ui_->pbVol02ProgressBar;
    if (HandOverToFileExport(ui_->lstVol02IncludeStrings->Items(), how))
        RefreshAfterListChange();
    ui_->btnVol02SmartExport->setFocus();
}

void Vol02StringsPage::btnVol02ClearAllClick() {
    if (runInProgress_)
        return;
    if (ui::ShowBox(this, Title + Blanks12 + "Information no: 0032.",
                    "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to "
                    "Stop the "
                    "delete process.",
                    ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::No)
        return;
    ui_->cboVol02DestFolders->SetItemIndex(0);
    ui_->edtVol02AddToList->clear();
    ui_->edtVol02Prefix->clear();
    ui_->edtVol02Suffix->clear();
    ui_->chkVol02Hyphen->setChecked(true);
    ui_->lblVol02IncludeSum->setText("0");
    ui_->lblVol02ExcludeSum->setText("0");
    ui_->lstVol02IncludeStrings->Clear();
    ui_->lstVol02ExcludeStrings->Clear();
    ui_->lblVol02StartFolder->clear();
    ui_->lblVol02EndFolder->clear();
    ui_->lstVol02AddFolderStructure->Clear();
    ResetAllCounters();
    ClearAllResultLists();
    RefreshResultLabels();
    RefreshStatisticLabels();
    SetPageControlsEnabled(false);
    ui::ShowBox(this, Title + Blanks12 + "Information no: 0033.", "End of the CLEAR FIELDS process !!!\n",
                ui::Icon::Information);
}

void Vol02StringsPage::btnVol02OpenClick() {
    if (runInProgress_)
        return;
    ui::FileDialogRequest request;
    request.owner = this;
    request.title = "Open";
    request.filter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
    request.defaultExtension = "txt";
    const std::string fileName = ui::desktop().OpenFileName(request);
    if (fileName.empty())
        return;
    if (!HasTxtExtension(fileName) &&
        ui::ShowBox(
            this, Title + Blanks12 + "Information no: 0012.",
            "The file extension is not a txt.\nMaybe it is not a plain text file. \nDo you want to open this "
            "file ?\nClick YES to continue Loading this file,\nClick NO to Stop the Loading process.",
            ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;
    std::optional<std::istringstream> in = OpenListFileForReading(fileName);
    if (!in) {
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0013.",
                    "There was a problem opening the file !\nAction : The file is maybe corrupted.",
                    ui::Icon::Warning);
        ui::desktop().ShowMessage("End of the Loading process.");
        return;
    }
    ui::ListBox& include = *ui_->lstVol02IncludeStrings;
    const ui::ListBox& exclude = *ui_->lstVol02ExcludeStrings;
    if (ui::ShowBox(
            this, Title + Blanks12 + "Information no: 0014.",
            "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
            "previous content,\nClick NO to leave it.",
            ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes)
        include.Clear();

    {
        PageRunGuard busy(runInProgress_, *this);
        std::vector<std::string> added;
        std::unordered_set<std::string> addedKeys;
        bool askedAboutDrives = false;
        bool quit = false;
        UpdatePacer pacer;
        std::string line;
        while (!quit && ReadListLine(*in, line)) {
            const std::string item = Trim(line);
            if (include.Contains(item) || addedKeys.count(ui::FoldCase(item))) {
                ui::ShowBox(this, Title + "             Warning no: 0141.",
                            "This item already exists in the Include window !\n", ui::Icon::Warning);
            } else if (exclude.Contains(item)) {
                ui::ShowBox(this, Title + "             Warning no: 0142.",
                            "This item already exists in the Exclude window !\n", ui::Icon::Warning);
            } else if (item.empty()) {
                continue;
            } else if (ExtractFileDrive(item).empty()) {
                addedKeys.insert(ui::FoldCase(item));
                added.push_back(item);
            } else if (!askedAboutDrives) {
                askedAboutDrives = true;
                if (ui::ShowBox(
                        this, "reating Folder(s).-From a String List.             Warning no: 0143.",
                        "There is a drive letter in the string!\nClick YES to continue without asking\nClick "
                        "NO  to Clear the INCULDE Window and quit the Import process",
                        ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes) {
                    include.Clear();
                    added.clear();
                    quit = true;
                }
            }
            ListWorkStep(pacer, static_cast<int>(added.size()));
        }
        include.AddItems(added);
    }
    ui::desktop().ShowMessage("End of the Loading process.");
    RefreshAfterListChange();
    ui_->edtVol02AddToList->setFocus();
}

void Vol02StringsPage::btnVol02SaveClick() {
    if (runInProgress_)
        return;
    ui::FileDialogRequest request;
    request.owner = this;
    request.title = "Save As";
    request.filter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
    request.defaultExtension = "txt";
    const std::string fileName = ui::desktop().SaveFileName(request);
    if (!fileName.empty()) {
        std::optional<std::ofstream> out = CreateListFile(fileName);
        if (out) {
            for (const std::string& item : ui_->lstVol02IncludeStrings->Items()) {
                if (ExtractFileDrive(item).empty())
                    *out << item << "\n";
            }
            out->close();
        }
        // A file that could not be written to the end is no saved list either.
        if (!out || out->fail())
            ui::ShowBox(this, Title + Blanks12 + "Warning no: 0016.",
                        "There was a problem saving the file !\nAction : The file is maybe corrupted.",
                        ui::Icon::Warning);
        // Saving ends with this notice whatever happened, as loading does.
        ui::desktop().ShowMessage("End of the saving process.");
    }
    UpdateCreateButtons(true);
}
