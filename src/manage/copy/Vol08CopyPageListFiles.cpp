// The copy page's hidden Include-list files: loading a text file of folders
// into the Include list, with a question or a warning for each line it cannot
// take as it is, and saving the Include list's folders.

#include "manage/copy/Vol08CopyPage.h"

#include "common/FileHelpers.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "tools/ListFileStreams.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol08CopyPage.h"

namespace {

const std::string Title = "Copy Folder Structure(s).-From a Folder List - Level.";
const std::string Blanks12 = "            ";
const std::string Blanks13 = "             ";

ui::FileDialogRequest ListFileDialog(QWidget* owner, const std::string& filter) {
    ui::FileDialogRequest request;
    request.owner = owner;
    request.filter = filter;
    request.defaultExtension = "txt";
    return request;
}

} // namespace

void Vol08CopyPage::btnVol08LoadFromClick() {
    if (runInProgress_)
        return;
    ui::FileDialogRequest request =
        ListFileDialog(this, "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*|*.*");
    request.title = "Open";
    const std::string fileName = ui::desktop().OpenFileName(request);
    if (fileName.empty()) {
        RefreshVol08Page();
        return;
    }
    if (AnsiLowerCase(ExtractFileExt(fileName)) != ".txt" &&
        ui::ShowBox(
            this, Title + Blanks12 + "Warning no: 0268.",
            "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to open this "
            "file ?\nClick YES to Continue Loading this file,\nClick NO to Stop the Loading process.",
            ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;
    std::optional<std::istringstream> in = OpenListFileForReading(fileName);
    if (!in) {
        ui::ShowBox(this,
                    "Copy Folder Structure(s).-From Folder List - Level." + Blanks13 + "Warning no: 0269.",
                    "There was a problem opening the file !\nAction : The file is maybe corrupted.",
                    ui::Icon::Warning);
        ui::desktop().ShowMessage("End of the loading process.");
        RefreshVol08Page();
        return;
    }
    ui::ListBox& include = *ui_->lstVol08IncludeFolderList;
    const ui::ListBox& exclude = *ui_->lstVol08ExcludeFolderList;
    if (ui::ShowBox(
            this, Title + Blanks12 + "Warning no: 0270.",
            "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
            "previous content,\nClick NO to leave it.",
            ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes)
        include.Clear();
    bool askAboutDrive = true;
    std::string line;
    while (ReadListLine(*in, line)) {
        const std::string folder = Trim(line);
        if (include.Contains(folder)) {
            ui::ShowBox(this, Title + Blanks13 + "Warning no: 0274.",
                        "This folder already exists in the Include window !\n", ui::Icon::Warning);
        } else if (exclude.Contains(folder)) {
            ui::ShowBox(this, Title + Blanks13 + "Warning no: 0273.",
                        "This folder already exists in the Exclude window !\n", ui::Icon::Warning);
        } else if (folder.size() < 2) {
            continue;
        } else if (ExtractFileDrive(folder).empty()) {
            if (!askAboutDrive)
                continue;
            if (ui::ShowBox(
                    this, Title + Blanks13 + "Warning no: 0272.",
                    "There is no drive letter !\nClick YES to continue without asking\nClick NO  to Clear "
                    "the INCULDE Window and quit the Import process",
                    ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes) {
                include.Clear();
                return;
            }
            askAboutDrive = false;
        } else {
            std::string typeName;
            if (DriveTypeName(folder, typeName))
                include.AddItem(folder);
        }
    }
    ui::desktop().ShowMessage("End of the loading process.");
    RefreshVol08Page();
}

void Vol08CopyPage::btnVol08SaveToClick() {
    if (runInProgress_)
        return;
    ui::FileDialogRequest request =
        ListFileDialog(this, "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*");
    request.title = "Save As";
    const std::string fileName = ui::desktop().SaveFileName(request);
    if (!fileName.empty()) {
        std::optional<std::ofstream> out = CreateListFile(fileName);
        if (out) {
            for (const std::string& folder : ui_->lstVol08IncludeFolderList->Items())
                if (!ExtractFileDrive(folder).empty())
                    *out << folder << '\n';
            out->close();
        }
        // A disk that fills up part-way is as much a failure as a file that
        // cannot be created: the list is not all there.
        if (!out || out->fail())
            ui::ShowBox(this, Title + Blanks12 + "Warning no: 0275.",
                        "There was a problem saving the file !\nAction : The file is maybe corrupted.",
                        ui::Icon::Warning);
        else
            ui::desktop().ShowMessage("End of the saving process.");
    }
    const bool hasLines = ui_->lstVol08IncludeFolderList->Count() > 0;
    EnableVol08Options(hasLines);
    EnableVol08RunButtons();
    RefreshVol08Page();
    ui_->btnVol08AddFolderToList->setFocus();
}
