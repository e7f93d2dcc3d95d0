// The paths page's Include and Exclude lists: typing full paths in, moving
// and exchanging lines between the lists, deleting them, the list editor, the
// import and export windows, and the hidden Open and Save buttons' list files
// (plain text, one full path per line).
//
// Lists may hold 100,000 lines: every "is it already there" test is the list
// control's own lookup, a list is changed in one go rather than line by line,
// and per-line work shows its progress at most about thirty times a second.

#include "create/paths/Vol04PathsPage.h"

#include "common/BoxCaption.h"
#include "common/FileHelpers.h"
#include "common/FolderLineSet.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathSplitting.h"
#include "common/PathValidation.h"
#include "common/TextLines.h"
#include "create/engine/IncludeListSaving.h"
#include "tools/ExportHandOver.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol04PathsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a Folder List.";
const std::string ListFileFilter =
    "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*";

} // namespace

void Vol04PathsPage::UpdateVol04Preview() {
    const ui::ListBox& include = *ui_->lstVol04IncludeFolderList;
    if (include.Count() == 0) {
        ClearPreview();
        return;
    }
    // A line without a drive part names no folder: its label keeps what it showed.
    const std::string first = include.Text(0);
    if (!Trim(ExtractFileDrive(first)).empty())
        ui_->lblVol04StartFolder->setText(QString::fromStdString(FolderNameOf(first)));
    const std::string last = include.Text(include.Count() - 1);
    if (!Trim(ExtractFileDrive(last)).empty())
        ui_->lblVol04EndFolder->setText(QString::fromStdString(FolderNameOf(last)));
}

bool Vol04PathsPage::AddPathsToIncludeList(const std::string& text, bool stopAtFirst, std::string& message,
                                           std::string& normalised) {
    // A folder either list names, however written there, is not added again.
    FolderLineSet included(ui_->lstVol04IncludeFolderList->Items());
    const FolderLineSet excluded(ui_->lstVol04ExcludeFolderList->Items());
    return AddPathsToIncludeList(text, stopAtFirst, message, normalised, included, excluded);
}

bool Vol04PathsPage::AddPathsToIncludeList(const std::string& text, bool stopAtFirst, std::string& message,
                                           std::string& normalised, FolderLineSet& included,
                                           const FolderLineSet& excluded) {
    std::deque<std::string> paths;
    if (!ValidateAndSplitPathText(text, paths, message, normalised))
        return false;
    ui::ListBox& include = *ui_->lstVol04IncludeFolderList;
    bool result = true;
    for (const std::string& cut : paths) {
        const std::string path = TrimBlanks(cut);
        std::string refusal;
        if (!ValidateFolderName(path, refusal)) {
        } else if (included.Holds(path)) {
            refusal = "This item already exists in the Include list !";
        } else if (excluded.Holds(path)) {
            refusal = "This item already exists in the Exclude list !";
        } else {
            include.AddItem(path);
            included.Add(path);
            continue;
        }
        result = false;
        message = refusal;
        if (stopAtFirst)
            return false;
    }
    return result;
}

void Vol04PathsPage::btnVol04AddToListClick() {
    if (runInProgress_)
        return;
    QLineEdit& entry = *ui_->edtVol04AddToList;
    const std::string text = Trim(entry.text().toStdString());
    if (text.empty()) {
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0042.", "The text field is empty !!!",
                    ui::Icon::Warning);
        return;
    }
    // Lines pasted at once are texts of their own, each checked as if typed
    // alone: a line break never ends up inside a path. The first refused line
    // ends the adding and stays in the field with the lines after it.
    std::vector<std::string> lines = SplitLines(text);
    std::size_t refusedAt = lines.size();
    FolderLineSet included(ui_->lstVol04IncludeFolderList->Items());
    const FolderLineSet excluded(ui_->lstVol04ExcludeFolderList->Items());
    for (std::size_t i = 0; i < lines.size() && refusedAt == lines.size(); ++i) {
        const std::string line = Trim(lines[i]);
        if (line.empty())
            continue;
        std::string message;
        std::string normalised;
        if (!AnalyseDriveColons(line, message)) {
            ui::ShowBox(this, Title + Blanks12 + "Warning no: 0043.", message, ui::Icon::Warning);
            refusedAt = i;
        } else if (!AddPathsToIncludeList(line, true, message, normalised, included, excluded)) {
            ui::ShowBox(this, Title + Blanks12 + "Warning no: 0044.", message, ui::Icon::Warning);
            refusedAt = i;
        } else {
            lines[i] = normalised;
        }
    }
    if (lines.size() == 1 && refusedAt == 0) {
        // A single refused text stays as it was typed.
    } else if (refusedAt < lines.size()) {
        entry.setText(QString::fromStdString(JoinLines(lines, refusedAt)));
    } else {
        entry.setText(QString::fromStdString(JoinLines(lines)));
    }
    RefreshAfterListChange();
    entry.setFocus();
}

void Vol04PathsPage::btnVol04SmartImportClick() {
    // Lines join as cut, blanks and all.
    ListPair().SmartImport(false, ui_->btnVol04AddToList);
}

void Vol04PathsPage::btnVol04SmartExportClick() {
    ListPair().SmartExport(HasDrivePart, ui_->btnVol04SmartExport);
}

void Vol04PathsPage::btnVol04SaveClick() {
    if (runInProgress_)
        return;
    const std::optional<bool> saved =
        SaveIncludeList(this, ListFileFilter, ui_->lstVol04IncludeFolderList->Items(), HasDrivePart);
    if (saved && !*saved)
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0052.",
                    "There was a problem saving the file !\nAction : The file is maybe corrupted.",
                    ui::Icon::Warning);
    else if (saved)
        ui::desktop().ShowMessage("End of the saving process.");
    const bool lines = ui_->lstVol04IncludeFolderList->Count() > 0;
    SetNameControlsEnabled(lines);
    UpdateCreateButtons(lines);
}

void Vol04PathsPage::btnVol04OpenClick() {
    // A line without a drive letter names no folder; a drive that is not
    // there is passed over without a word.
    ListPair().OpenListFile({ListFileFilter, "End of the loading process.",
                             [](const std::string& line) {
                                 std::string driveType;
                                 if (ExtractFileDrive(line).empty())
                                     return ListFileLine::WrongKind;
                                 return DriveTypeName(line, driveType) ? ListFileLine::Taken
                                                                       : ListFileLine::PassedOver;
                             },
                             true, false});
}
