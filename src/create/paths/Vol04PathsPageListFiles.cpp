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

const std::string ListFileFilter =
    "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*";

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
