// The paths page's list files (the hidden "Import List" and "Export List"
// buttons): plain text, one full path per line, read through the program's
// one list-file opener and written as UTF-8 with "\n" line ends.

#include "create/paths/Vol04PathsPage.h"

#include "common/FileHelpers.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "create/engine/IncludeListSaving.h"
#include "tools/ExportHandOver.h"
#include "tools/ListFileStreams.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol04PathsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a Folder List.";
const std::string Blanks12 = "            ";
const std::string Blanks13 = "             ";

const std::string ListFileFilter =
    "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*";

ui::FileDialogRequest ListFileRequest(QWidget* owner, const std::string& title) {
    ui::FileDialogRequest request;
    request.owner = owner;
    request.title = title;
    request.filter = ListFileFilter;
    request.defaultExtension = "txt";
    return request;
}

} // namespace

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
    if (runInProgress_)
        return;
    const std::string fileName = ui::desktop().OpenFileName(ListFileRequest(this, "Open"));
    if (fileName.empty()) {
        RefreshAfterListChange();
        ui_->edtVol04AddToList->setFocus();
        return;
    }
    if (!HasTxtExtension(fileName) &&
        ui::ShowBox(
            this, Title + Blanks12 + "Information no: 0048.",
            "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to open "
            "this file ?\nClick YES to Continue Loading this file,\nClick NO to Stop the Loading "
            "process.",
            ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes) {
        ui_->edtVol04AddToList->setFocus();
        return;
    }
    std::optional<std::istringstream> in = OpenListFileForReading(fileName);
    if (!in) {
        ui::ShowBox(this, Title + Blanks13 + "Warning no: 0049.",
                    "There was a problem opening the file !\nAction : The file is maybe corrupted.",
                    ui::Icon::Warning);
    } else {
        // A line without a drive letter names no folder; a drive that is not
        // there is passed over without a word.
        std::string driveType;
        const bool loaded = ListPair().LoadListFile(*in, [&driveType](const std::string& line) {
            if (ExtractFileDrive(line).empty())
                return ListFileLine::WrongKind;
            return DriveTypeName(line, driveType) ? ListFileLine::Taken : ListFileLine::PassedOver;
        });
        if (!loaded) {
            // The list is empty now: the counters, labels and controls must
            // say so as well, not describe the list that was there.
            RefreshAfterListChange();
            ui_->edtVol04AddToList->setFocus();
            return;
        }
    }
    ui::desktop().ShowMessage("End of the loading process.");
    RefreshAfterListChange();
    ui_->edtVol04AddToList->setFocus();
}
