// The rename page's lists: filled from the subfolder list builder, the import
// window or by hand, moved between Include and Exclude, edited, exported,
// loaded from and saved to text files, and cleared with every field.

#include "manage/rename/Vol06RenamePage.h"

#include "common/BrowseFolder.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "create/engine/PageRunGuard.h"
#include "manage/rename/TfrmStatistic06.h"
#include "manage/rename/TfrmVol06EditIncludeList.h"
#include "manage/shared/DeleteExcludeAll.h"
#include "manage/shared/DriveRowMoves.h"
#include "manage/shared/IncludeListFile.h"
#include "manage/shared/WindowResults.h"
#include "tools/ExportHandOver.h"
#include "tools/ItemListMoves.h"
#include "tools/ListFileStreams.h"
#include "tools/TfrmFileImport.h"
#include "tools/TfrmSubFolderListBuilder.h"
#include "tools/UpdatePacer.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"
#include "ui/ShellOpening.h"

#include "ui_TfrmFileImport.h"
#include "ui_Vol06RenamePage.h"

#include <limits>
#include <unordered_set>

namespace {

const std::string Title = "Rename Folders. - From a Folder List.            ";
const std::string ListTitle = "Rename Folder(s).-From a Folder List.             ";

int ProgressMaximum(size_t count) {
    return static_cast<int>(std::min<size_t>(count, static_cast<size_t>(std::numeric_limits<int>::max())));
}

std::vector<std::string> LinesOf(const ui::ListBox* list) {
    return list ? list->Items() : std::vector<std::string>{};
}

} // namespace

void Vol06RenamePage::ConnectLists() {
    ui::OnClicked(ui_->btnVol06SubFolderLevelListBuilder,
                  [this] { btnVol06SubFolderLevelListBuilderClick(); });
    ui::OnClicked(ui_->btnVol06SmartImport, [this] { btnVol06SmartImportClick(); });
    ui::OnClicked(ui_->btnVol06AddFolderToList, [this] { btnVol06AddFolderToListClick(); });
    ui::OnClicked(ui_->btnVol06IncToExc, [this] { btnVol06IncToExcClick(); });
    ui::OnClicked(ui_->btnVol06ExcToInc, [this] { btnVol06ExcToIncClick(); });
    ui::OnClicked(ui_->btnVol06AllFromInc, [this] { btnVol06AllFromIncClick(); });
    ui::OnClicked(ui_->btnVol06AllFromExc, [this] { btnVol06AllFromExcClick(); });
    ui::OnClicked(ui_->btnVol06ExchangeIncToExc, [this] { btnVol06ExchangeIncToExcClick(); });
    ui::OnClicked(ui_->btnVol06DeleteFromExcludeList, [this] { btnVol06DeleteFromExcludeListClick(); });
    ui::OnClicked(ui_->btnVol06DeleteExcludeAll, [this] { btnVol06DeleteExcludeAllClick(); });
    ui::OnClicked(ui_->btnVol06includeFolderList, [this] { btnVol06includeFolderListClick(); });
    ui::OnClicked(ui_->btnVol06EditIncludeWindow, [this] { btnVol06EditIncludeWindowClick(); });
    ui::OnClicked(ui_->btnVol06SmartExport, [this] { btnVol06SmartExportClick(); });
    ui::OnClicked(ui_->btnVol06ClearAll, [this] { btnVol06ClearAllClick(); });
    ui::OnClicked(ui_->btnVol06LoadFrom, [this] { btnVol06LoadFromClick(); });
    ui::OnClicked(ui_->btnVol06SaveTo, [this] { btnVol06SaveToClick(); });
}

void Vol06RenamePage::AddResultLines(const std::vector<std::string>& lines) {
    PageRunGuard busy(runInProgress_, *this);
    ui::ListBox& include = *ui_->lstVol06IncludeFolderList;
    const ui::ListBox& exclude = *ui_->lstVol06ExcludeFolderList;
    QProgressBar& progress = *ui_->pbVol06ProgressBar;
    progress.setValue(0);
    progress.setMaximum(ProgressMaximum(lines.size()));
    progress.show();
    UpdatePacer pacer;
    for (size_t index = 0; index < lines.size(); ++index) {
        if (pacer.Due()) {
            progress.setValue(ProgressMaximum(index));
            ui_->lblVol06IncludeSum->setText(QString::number(include.Count()));
            ui::desktop().ProcessMessages();
        }
        const std::string& line = lines[index];
        if (include.Contains(line) || exclude.Contains(line))
            continue;
        // A drive's root ("D:\") is a folder like any other; less is none.
        const std::string folder = Trim(line);
        if (folder.size() < 2)
            continue;
        include.AddItem(folder);
    }
    ui_->lblVol06IncludeSum->setText(QString::number(include.Count()));
    progress.hide();
}

void Vol06RenamePage::TakeResults(ui::Form& window, std::function<std::vector<std::string>()> results,
                                  const std::string& number) {
    WindowResults take;
    take.owner = this;
    take.window = &window;
    take.results = std::move(results);
    take.emptyCaption = ListTitle + "Warning no: " + number + ".";
    take.emptyText = "Empty Result List in the File Import Window!\n";
    take.add = [this](const std::vector<std::string>& lines) { AddResultLines(lines); };
    take.refresh = [this] { RefreshVol06Page(); };
    TakeWindowResults(take);
}

void Vol06RenamePage::btnVol06SubFolderLevelListBuilderClick() {
    if (runInProgress_ || !frmSubFolderListBuilder)
        return;
    TakeResults(
        *frmSubFolderListBuilder,
        [this] { return LinesOf(frmSubFolderListBuilder->findChild<ui::ListBox*>("lstIncludeFolderList")); },
        "0585");
}

void Vol06RenamePage::btnVol06SmartImportClick() {
    if (runInProgress_)
        return;
    TakeResults(
        *frmFileImport, [this] { return frmFileImport->Controls().lstFileImportResults->Items(); }, "0389");
}

void Vol06RenamePage::btnVol06AddFolderToListClick() {
    if (runInProgress_)
        return;
    const std::string folder = Trim(BrowseForFolder(this, "Select the Folder."));
    if (folder.empty()) {
        ui::ShowBox(this, "Rename Folders - From a Folder List.            Warning no: 0184.",
                    "The selection field is empty !!!", ui::Icon::Warning);
    } else if (ui_->lstVol06IncludeFolderList->Contains(folder)) {
        ui::ShowBox(this, Title + "Warning no: 0185.", "This folder exists in the INCLUDE FOLDER LIST !!!",
                    ui::Icon::Warning);
    } else if (ui_->lstVol06ExcludeFolderList->Contains(folder)) {
        ui::ShowBox(this, "Rename Folders - From a Folder List.            Warning no: 0186.",
                    "This folder exists in the EXCLUDE FOLDER LIST !!!", ui::Icon::Warning);
    } else {
        ui_->lstVol06IncludeFolderList->AddItem(folder);
    }
    RefreshVol06Page();
}

void Vol06RenamePage::MoveLines(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows) {
    {
        PageRunGuard busy(runInProgress_, *this);
        UpdatePacer pacer;
        MoveDriveRows(from, to, rows, HasDrivePart, [&] {
            if (pacer.Due()) {
                ShowListCounts();
                ui::desktop().ProcessMessages();
            }
        });
    }
    RefreshVol06Page();
}

void Vol06RenamePage::btnVol06IncToExcClick() {
    if (runInProgress_)
        return;
    MoveLines(*ui_->lstVol06IncludeFolderList, *ui_->lstVol06ExcludeFolderList,
              ui_->lstVol06IncludeFolderList->SelectedIndexes());
}

void Vol06RenamePage::btnVol06ExcToIncClick() {
    if (runInProgress_)
        return;
    MoveLines(*ui_->lstVol06ExcludeFolderList, *ui_->lstVol06IncludeFolderList,
              ui_->lstVol06ExcludeFolderList->SelectedIndexes());
}

void Vol06RenamePage::btnVol06AllFromIncClick() {
    if (runInProgress_)
        return;
    MoveLines(*ui_->lstVol06IncludeFolderList, *ui_->lstVol06ExcludeFolderList,
              AllListRows(*ui_->lstVol06IncludeFolderList));
}

void Vol06RenamePage::btnVol06AllFromExcClick() {
    if (runInProgress_)
        return;
    MoveLines(*ui_->lstVol06ExcludeFolderList, *ui_->lstVol06IncludeFolderList,
              AllListRows(*ui_->lstVol06ExcludeFolderList));
}

void Vol06RenamePage::btnVol06ExchangeIncToExcClick() {
    if (runInProgress_)
        return;
    ui::ListBox& include = *ui_->lstVol06IncludeFolderList;
    ui::ListBox& exclude = *ui_->lstVol06ExcludeFolderList;
    const std::vector<std::string> included = include.Items();
    include.Clear();
    include.AddItems(exclude.Items());
    exclude.Clear();
    exclude.AddItems(included);
    RefreshVol06Page();
}

void Vol06RenamePage::btnVol06DeleteFromExcludeListClick() {
    if (runInProgress_)
        return;
    ui::ListBox& exclude = *ui_->lstVol06ExcludeFolderList;
    if (exclude.Count() == 0) {
        ui::ShowBox(
            this, "Rename folders. - From a Folder List.            Warning no: 0199.",
            "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE list "
            "to delete it.\n",
            ui::Icon::Warning);
        return;
    }
    if (ui::ShowBox(
            this, Title + "Warning no: 0198.",
            "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete ONLY "
            "from the EXCLUDE list.\n",
            ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;
    DeleteListRows(exclude, exclude.SelectedIndexes());
    ui_->lblVol06ExcludeSum->setText(QString::number(exclude.Count()));
    RefreshVol06Page();
}

void Vol06RenamePage::btnVol06DeleteExcludeAllClick() {
    if (runInProgress_)
        return;
    ManagePageExcludeList list;
    list.owner = this;
    list.excludeList = ui_->lstVol06ExcludeFolderList;
    list.countLabel = ui_->lblVol06ExcludeSum;
    list.refresh = [this] { RefreshVol06Page(); };
    list.button = ui_->btnVol06DeleteExcludeAll;
    DeleteExcludeAll(ManagePage::Rename, list);
}

void Vol06RenamePage::btnVol06includeFolderListClick() {
    const ui::ListBox& include = *ui_->lstVol06IncludeFolderList;
    const int current = include.ItemIndex();
    // The shell's "open" runs a file: only a folder that exists is shown.
    const std::string folder = current >= 0 && current < include.Count() ? Trim(include.Text(current)) : "";
    if (folder.empty() || !DirectoryExists(folder)) {
        ui::ShowBox(
            this, "Rename folders. - From a Folder List.            Warning no: 0305.",
            "There is no selected Folder Structure !\nAction : You must select a Folder with subfolder "
            "structure.",
            ui::Icon::Warning);
        return;
    }
    ui::OpenInShell(folder);
}

void Vol06RenamePage::btnVol06EditIncludeWindowClick() {
    if (runInProgress_)
        return;
    frmVol06EditIncludeList->LoadList(*ui_->lstVol06IncludeFolderList, *ui_->lstVol06ExcludeFolderList);
    if (ui::desktop().ShowModal(*frmVol06EditIncludeList) == ui::Answer::Ok)
        RefreshVol06Page();
}

void Vol06RenamePage::btnVol06SmartExportClick() {
    if (runInProgress_)
        return;
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = ListTitle + "Warning no: 0558.";
    how.emptyText = "The Include List is empty !\n";
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    how.progressBar = ui_->pbVol06ProgressBar;
    if (HandOverToFileExport(ui_->lstVol06IncludeFolderList->Items(), how))
        RefreshVol06Page();
    ui_->btnVol06SmartExport->setFocus();
}

void Vol06RenamePage::ClearStatisticLists() {
    if (frmStatistic06)
        frmStatistic06->ClearLists();
}

void Vol06RenamePage::btnVol06ClearAllClick() {
    if (runInProgress_)
        return;
    if (ui::ShowBox(
            this, Title + "Information no: 0204.",
            "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to Stop "
            "the delete process.",
            ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::No)
        return;
    levelBuilder_->ResetToStart();
    ui_->lstVol06IncludeFolderList->Clear();
    ui_->lstVol06ExcludeFolderList->Clear();
    ui_->lblVol06IncludeSum->setText("0");
    ui_->lblVol06ExcludeSum->setText("0");
    ui_->rdoVol06RenameAddPrefixesSuffixes->setChecked(true);
    for (QLineEdit* edit :
         {ui_->edtVol06NewPrefix, ui_->edtVol06DelimiterPrefixSubFolder,
          ui_->edtVol06DelimiterSubFolderSuffix, ui_->edtVol06NewSuffix, ui_->edtVol06RenameNewLastSubFolder})
        edit->clear();
    ui_->lblVol06StartFolder->clear();
    ui_->lblVol06EndFolder->clear();
    ui_->chkVol06ShowDetailedResults->setChecked(true);
    ResetVol06Counters();
    RenameUndoList.clear();
    RenameWorkList.clear();
    RenameSourceMissingList.clear();
    RenameDestinationExistsList.clear();
    RenameOtherReasonsList.clear();
    ShowVol06Counters();
    EnableVol06Options(false);
    ui::ShowBox(this, "Rename Folders. - From a Folder List.           Warning no: 0205.",
                "End of the CLEAR FIELDS process !!!\n", ui::Icon::Warning);
}

void Vol06RenamePage::btnVol06LoadFromClick() {
    if (runInProgress_)
        return;
    const std::string pageCaption = "Rename Folders. - From a Folder List.             ";
    IncludeListFileLoad load;
    load.owner = this;
    load.include = ui_->lstVol06IncludeFolderList;
    load.exclude = ui_->lstVol06ExcludeFolderList;
    load.notTxt = {
        Title + "Information no: 0190.",
        "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to open this "
        "file ?\nClick YES to Continue Loading this file,\nClick NO to Stop the Loading process."};
    load.openFailed = {"Rename Folders. - From Folder List.             Warning no: 0191.",
                       "There was a problem opening the file !\nAction : The file is maybe corrupted."};
    load.clearInclude = {
        Title + "Information no: 0192.",
        "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
        "previous content,\nClick NO to leave it."};
    load.inInclude = {pageCaption + "Warning no: 0196.",
                      "This folder already exists in the Include window !\n"};
    load.inExclude = {pageCaption + "Warning no: 0195.",
                      "This folder already exists in the Exclude window !\n"};
    load.noDrive = {pageCaption + "Warning no: 0194.",
                    "There is no drive letter !\nClick YES to continue without asking\nClick NO  to "
                    "Clear the INCULDE Window and quit the Import process"};
    load.tooShort = [](const std::string& folder) { return folder.empty(); };
    load.hasDrive = [](const std::string& folder) { return !ExtractFileDrive(folder).empty(); };
    load.whileReading = [this](const std::function<void()>& read) {
        PageRunGuard busy(runInProgress_, *this);
        read();
    };
    load.showProgress = [this] {
        ShowListCounts();
        ui::desktop().ProcessMessages();
    };
    load.refresh = [this] { RefreshVol06Page(); };
    load.focus = [this] { ui_->btnVol06AddFolderToList->setFocus(); };
    LoadIncludeListFile(load);
}

void Vol06RenamePage::btnVol06SaveToClick() {
    if (runInProgress_)
        return;
    SaveIncludeListFile(this, *ui_->lstVol06IncludeFolderList, HasDrivePart,
                        {Title + "Warning no: 0197.",
                         "There was a problem saving the file !\nAction : The file is maybe corrupted."});
    const bool lines = ui_->lstVol06IncludeFolderList->Count() > 0;
    EnableVol06Options(lines);
    EnableVol06RunButtons(lines);
    RefreshVol06Page();
    ui_->btnVol06AddFolderToList->setFocus();
}
