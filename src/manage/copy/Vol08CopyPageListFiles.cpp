// The copy page's hidden Include-list files: loading a text file of folders
// into the Include list, with a question or a warning for each line it cannot
// take as it is, and saving the Include list's folders.

#include "manage/copy/Vol08CopyPage.h"

#include "common/FileHelpers.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "manage/shared/IncludeListFile.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol08CopyPage.h"

namespace {

const std::string Title = "Copy Folder Structure(s).-From a Folder List - Level.";
const std::string Blanks12 = "            ";
const std::string Blanks13 = "             ";

} // namespace

void Vol08CopyPage::btnVol08LoadFromClick() {
    if (runInProgress_)
        return;
    IncludeListFileLoad load;
    load.owner = this;
    load.include = ui_->lstVol08IncludeFolderList;
    load.exclude = ui_->lstVol08ExcludeFolderList;
    load.notTxt = {
        Title + Blanks12 + "Warning no: 0268.",
        "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to open this "
        "file ?\nClick YES to Continue Loading this file,\nClick NO to Stop the Loading process."};
    load.openFailed = {"Copy Folder Structure(s).-From Folder List - Level." + Blanks13 + "Warning no: 0269.",
                       "There was a problem opening the file !\nAction : The file is maybe corrupted."};
    load.clearInclude = {
        Title + Blanks12 + "Warning no: 0270.",
        "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
        "previous content,\nClick NO to leave it."};
    load.inInclude = {Title + Blanks13 + "Warning no: 0274.",
                      "This folder already exists in the Include window !\n"};
    load.inExclude = {Title + Blanks13 + "Warning no: 0273.",
                      "This folder already exists in the Exclude window !\n"};
    load.noDrive = {Title + Blanks13 + "Warning no: 0272.",
                    "There is no drive letter !\nClick YES to continue without asking\nClick NO  to Clear "
                    "the INCULDE Window and quit the Import process"};
    load.tooShort = [](const std::string& folder) { return folder.size() < 2; };
    load.hasDrive = [](const std::string& folder) { return !ExtractFileDrive(folder).empty(); };
    // Only a folder on a drive that answers is taken.
    load.acceptWithDrive = [](const std::string& folder) {
        std::string typeName;
        return DriveTypeName(folder, typeName);
    };
    load.refresh = [this] { RefreshVol08Page(); };
    LoadIncludeListFile(load);
}

void Vol08CopyPage::btnVol08SaveToClick() {
    if (runInProgress_)
        return;
    SaveIncludeListFile(this, *ui_->lstVol08IncludeFolderList,
                        [](const std::string& folder) { return !ExtractFileDrive(folder).empty(); },
                        {Title + Blanks12 + "Warning no: 0275.",
                         "There was a problem saving the file !\nAction : The file is maybe corrupted."});
    const bool hasLines = ui_->lstVol08IncludeFolderList->Count() > 0;
    EnableVol08Options(hasLines);
    EnableVol08RunButtons();
    RefreshVol08Page();
    ui_->btnVol08AddFolderToList->setFocus();
}
