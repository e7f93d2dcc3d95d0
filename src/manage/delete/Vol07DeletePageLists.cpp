// The delete page's Include and Exclude lists: the builder and import result
// lists, adding by hand, moving lines between the lists, deleting from the
// Exclude list, viewing, editing, Smart Export, Clear Fields, and loading and
// saving the Include list as a text file. A drive as a whole never enters the
// Include list.

#include "manage/delete/Vol07DeletePage.h"

#include "common/BrowseFolder.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "create/engine/PageRunGuard.h"
#include "manage/delete/TfrmStatistics07.h"
#include "manage/delete/TfrmVol07EditIncludeList.h"
#include "manage/shared/DeleteExcludeAll.h"
#include "manage/shared/DriveRowMoves.h"
#include "manage/shared/IncludeListFile.h"
#include "manage/shared/WindowResults.h"
#include "tools/ExportHandOver.h"
#include "tools/ItemListMoves.h"
#include "tools/ListFileStreams.h"
#include "tools/TfrmAltalanosHelp.h"
#include "tools/TfrmExamplesDelete.h"
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
#include "ui_Vol07DeletePage.h"

#include <limits>
#include <unordered_set>

namespace {

const std::string Title = "Delete Folder(s).-From a Folder List.";
const std::string Blanks12 = "            ";
const std::string Blanks13 = "             ";

bool HasDrive(const std::string& line) {
    return !Trim(ExtractFileDrive(Trim(line))).empty();
}

int ProgressMaximum(size_t count) {
    return static_cast<int>(std::min<size_t>(count, static_cast<size_t>(std::numeric_limits<int>::max())));
}

} // namespace

void Vol07DeletePage::ConnectLists() {
    ui::OnClicked(ui_->btnVol07SubFolderLevelListBuilder,
                  [this] { btnVol07SubFolderLevelListBuilderClick(); });
    ui::OnClicked(ui_->btnVol07SmartImport, [this] { btnVol07SmartImportClick(); });
    ui::OnClicked(ui_->btnVol07AddFoldersToList, [this] { btnVol07AddFoldersToListClick(); });
    ui::OnClicked(ui_->btnVol07IncToExc, [this] { btnVol07IncToExcClick(); });
    ui::OnClicked(ui_->btnVol07ExcToInc, [this] { btnVol07ExcToIncClick(); });
    ui::OnClicked(ui_->btnVol07AllFromInc, [this] { btnVol07AllFromIncClick(); });
    ui::OnClicked(ui_->btnVol07AllFromExc, [this] { btnVol07AllFromExcClick(); });
    ui::OnClicked(ui_->btnVol07ExchangeIncExc, [this] { btnVol07ExchangeIncExcClick(); });
    ui::OnClicked(ui_->btnVol07DeleteFromExcludeList, [this] { btnVol07DeleteFromExcludeListClick(); });
    ui::OnClicked(ui_->btnVol07DeleteExcludeAll, [this] { btnVol07DeleteExcludeAllClick(); });
    ui::OnClicked(ui_->btnVol07IncludeFolderListView, [this] { btnVol07IncludeFolderListViewClick(); });
    ui::OnClicked(ui_->btnVol07EditIncludeList, [this] { btnVol07EditIncludeListClick(); });
    ui::OnClicked(ui_->btnVol07SmartExport, [this] { btnVol07SmartExportClick(); });
    ui::OnClicked(ui_->btnVol07ClearAll, [this] { btnVol07ClearAllClick(); });
    ui::OnClicked(ui_->btnVol07Help, [this] { btnVol07HelpClick(); });
    ui::OnClicked(ui_->btnVol07Examples, [this] { btnVol07ExamplesClick(); });
    ui::OnClicked(ui_->btnVol07LoadFrom, [this] { btnVol07LoadFromClick(); });
    ui::OnClicked(ui_->btnVol07SaveTo, [this] { btnVol07SaveToClick(); });
}

void Vol07DeletePage::ListWorkStep(UpdatePacer& pacer, int pendingIncludeItems, int progress) {
    if (!pacer.Due())
        return;
    if (progress >= 0)
        ui_->pbVol07ProgressBar->setValue(progress);
    ui_->lblVol07IncludeSum->setText(
        QString::number(ui_->lstVol07IncludeFolderList->Count() + pendingIncludeItems));
    ui_->lblVol07ExcludeSum->setText(QString::number(ui_->lstVol07ExcludeFolderList->Count()));
    ui::desktop().ProcessMessages();
}

bool Vol07DeletePage::CheckVol07DeletePath(const std::string& path) {
    if (Trim(path).size() > 3)
        return true;
    ui::ShowBox(this, Title + Blanks12 + "Warning no: 0334.",
                "You can not Enter a drive without Folder(s)!\nSo You can not Delete the Entire drive.",
                ui::Icon::Warning);
    return false;
}

void Vol07DeletePage::AddResultLines(const std::vector<std::string>& lines) {
    {
        PageRunGuard busy(runInProgress_, *this);
        const ui::ListBox& include = *ui_->lstVol07IncludeFolderList;
        const ui::ListBox& exclude = *ui_->lstVol07ExcludeFolderList;
        QProgressBar& progress = *ui_->pbVol07ProgressBar;
        progress.setRange(0, ProgressMaximum(lines.size()));
        progress.setValue(0);
        progress.show();
        std::vector<std::string> added;
        std::unordered_set<std::string> addedKeys;
        UpdatePacer pacer;
        for (size_t i = 0; i < lines.size(); ++i) {
            ListWorkStep(pacer, static_cast<int>(added.size()), ProgressMaximum(i));
            std::string line = Trim(lines[i]);
            if (line.size() < 4 || !CheckVol07DeletePath(line))
                continue;
            std::string key = ui::FoldCase(line);
            if (include.ContainsFolded(key) || exclude.ContainsFolded(key) || !addedKeys.insert(key).second)
                continue;
            added.push_back(std::move(line));
        }
        ui_->lstVol07IncludeFolderList->AddItems(added);
        progress.hide();
    }
}

void Vol07DeletePage::TakeResults(ui::Form& window, std::function<std::vector<std::string>()> results,
                                  const std::string& number) {
    WindowResults take;
    take.owner = this;
    take.window = &window;
    take.results = std::move(results);
    take.emptyCaption = Title + Blanks13 + "Warning no: " + number + ".";
    take.emptyText = "Empty Result List in the File Import Window!\n";
    take.add = [this](const std::vector<std::string>& lines) { AddResultLines(lines); };
    take.refresh = [this] { RefreshVol07Page(); };
    TakeWindowResults(take);
}

void Vol07DeletePage::btnVol07SubFolderLevelListBuilderClick() {
    if (runInProgress_ || !frmSubFolderListBuilder)
        return;
    TakeResults(
        *frmSubFolderListBuilder,
        [this] {
            const auto* results = frmSubFolderListBuilder->findChild<ui::ListBox*>("lstIncludeFolderList");
            return results ? results->Items() : std::vector<std::string>{};
        },
        "0590");
}

void Vol07DeletePage::btnVol07SmartImportClick() {
    if (runInProgress_)
        return;
    TakeResults(
        *frmFileImport, [this] { return frmFileImport->Controls().lstFileImportResults->Items(); }, "0395");
}

void Vol07DeletePage::btnVol07AddFoldersToListClick() {
    if (runInProgress_)
        return;
    const std::string caption = "Delete Folder structure(s).-From a Folder List." + Blanks12 + "Warning no: ";
    const std::string folder = Trim(BrowseForFolder(this, "Select the Folder."));
    if (folder.empty()) {
        ui::ShowBox(this, caption + "0219.", "The selection field is empty !!!", ui::Icon::Warning);
    } else if (!CheckVol07DeletePath(folder)) {
        return;
    } else if (ui_->lstVol07IncludeFolderList->Contains(folder)) {
        ui::ShowBox(this, caption + "0220.", "This folder exists in the INCLUDE FOLDER LIST !!!",
                    ui::Icon::Warning);
    } else if (ui_->lstVol07ExcludeFolderList->Contains(folder)) {
        ui::ShowBox(this, caption + "0221.", "This folder exists in the EXCLUDE FOLDER LIST !!!",
                    ui::Icon::Warning);
    } else if (folder.size() >= 4) {
        ui_->lstVol07IncludeFolderList->AddItem(folder);
    }
    RefreshVol07Page();
}

void Vol07DeletePage::MoveLines(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows) {
    {
        PageRunGuard busy(runInProgress_, *this);
        UpdatePacer pacer;
        // A line without a drive, or one the other list holds, leaves its
        // list without going anywhere.
        MoveDriveRows(from, to, rows, HasDrive, [&] { ListWorkStep(pacer); });
    }
    RefreshVol07Page();
}

void Vol07DeletePage::btnVol07IncToExcClick() {
    if (runInProgress_)
        return;
    MoveLines(*ui_->lstVol07IncludeFolderList, *ui_->lstVol07ExcludeFolderList,
              ui_->lstVol07IncludeFolderList->SelectedIndexes());
}

void Vol07DeletePage::btnVol07ExcToIncClick() {
    if (runInProgress_)
        return;
    ui::ListBox& include = *ui_->lstVol07IncludeFolderList;
    ui::ListBox& exclude = *ui_->lstVol07ExcludeFolderList;
    const std::vector<int> rows = exclude.SelectedIndexes();
    // Every line that would go over is checked first; a drive as a whole ends
    // the move at once, the lines before it already in the Include list and
    // every selected line still in the Exclude list. The counts and the
    // pre-count follow what did move, or a run would delete from a list the
    // page no longer shows.
    for (int row : rows) {
        const std::string line = exclude.Text(row);
        if (!HasDrive(line) || include.Contains(line))
            continue;
        if (!CheckVol07DeletePath(line)) {
            RefreshVol07Page();
            return;
        }
        include.AddItem(line);
    }
    ShowListCounts();
    DeleteListRows(exclude, rows);
    RefreshVol07Page();
}

void Vol07DeletePage::btnVol07AllFromIncClick() {
    if (runInProgress_)
        return;
    MoveLines(*ui_->lstVol07IncludeFolderList, *ui_->lstVol07ExcludeFolderList,
              AllListRows(*ui_->lstVol07IncludeFolderList));
}

void Vol07DeletePage::btnVol07AllFromExcClick() {
    if (runInProgress_)
        return;
    MoveLines(*ui_->lstVol07ExcludeFolderList, *ui_->lstVol07IncludeFolderList,
              AllListRows(*ui_->lstVol07ExcludeFolderList));
}

void Vol07DeletePage::btnVol07ExchangeIncExcClick() {
    if (runInProgress_)
        return;
    ui::ListBox& include = *ui_->lstVol07IncludeFolderList;
    ui::ListBox& exclude = *ui_->lstVol07ExcludeFolderList;
    const std::vector<std::string> included = include.Items();
    const std::vector<std::string> excluded = exclude.Items();
    // A drive as a whole may rest in the Exclude list but never enters the
    // Include list: it stays behind, after the lines that come over, and the
    // person is told why. No line is lost.
    std::vector<std::string> taken;
    std::vector<std::string> staying;
    for (const std::string& line : excluded)
        (Trim(line).size() > 3 ? taken : staying).push_back(line);
    include.Clear();
    exclude.Clear();
    include.AddItems(taken);
    exclude.AddItems(included);
    for (const std::string& line : staying) {
        if (!exclude.Contains(line))
            exclude.AddItem(line);
    }
    ShowListCounts();
    if (!staying.empty())
        CheckVol07DeletePath(staying.front());
    RefreshVol07Page();
}

void Vol07DeletePage::btnVol07DeleteFromExcludeListClick() {
    if (runInProgress_)
        return;
    ui::ListBox& exclude = *ui_->lstVol07ExcludeFolderList;
    if (exclude.Count() == 0) {
        ui::ShowBox(
            this, Title + Blanks12 + "Warning no: 0234.",
            "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE list to "
            "delete it.\n",
            ui::Icon::Warning);
    } else if (ui::ShowBox(
                   this, Title + Blanks12 + "Warning no: 0233.",
                   "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete "
                   "ONLY from the EXCLUDE list.\n",
                   ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes) {
        DeleteListRows(exclude, exclude.SelectedIndexes());
    }
    RefreshVol07Page();
}

void Vol07DeletePage::btnVol07DeleteExcludeAllClick() {
    if (runInProgress_)
        return;
    ManagePageExcludeList list;
    list.owner = this;
    list.excludeList = ui_->lstVol07ExcludeFolderList;
    list.countLabel = ui_->lblVol07ExcludeSum;
    list.refresh = [this] { RefreshVol07Page(); };
    list.button = ui_->btnVol07DeleteExcludeAll;
    DeleteExcludeAll(ManagePage::Delete, list);
}

void Vol07DeletePage::btnVol07IncludeFolderListViewClick() {
    if (runInProgress_)
        return;
    const ui::ListBox& include = *ui_->lstVol07IncludeFolderList;
    const int current = include.ItemIndex();
    if (current < 0 || current >= include.Count()) {
        ui::ShowBox(
            this, Title + Blanks12 + "Warning no: 0306.",
            "There is no selected Folder Structure !\nAction : You must select a Folder with subfolder "
            "structure.",
            ui::Icon::Warning);
        return;
    }
    const std::string folder = Trim(include.Text(current));
    // The shell's "open" runs a file; only a folder is shown.
    if (!DirectoryExists(folder)) {
        ui::ShowBox(this, Title + Blanks12 + "Warning no: 0245.",
                    "The selected Folder doesn't exist :\n" + folder +
                        "\nAction : Only an existing Folder can be viewed.",
                    ui::Icon::Warning);
        return;
    }
    ui::OpenInShell(folder);
}

void Vol07DeletePage::btnVol07EditIncludeListClick() {
    if (runInProgress_)
        return;
    frmVol07EditIncludeList->LoadList(*ui_->lstVol07IncludeFolderList, *ui_->lstVol07ExcludeFolderList);
    if (ui::desktop().ShowModal(*frmVol07EditIncludeList) == ui::Answer::Ok)
        RefreshVol07Page();
}

void Vol07DeletePage::btnVol07SmartExportClick() {
    if (runInProgress_)
        return;
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = Title + Blanks13 + "Warning no: 0559.";
    how.emptyText = "The Include List is empty !\n";
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    how.progressBar = ui_->pbVol07ProgressBar;
    if (HandOverToFileExport(ui_->lstVol07IncludeFolderList->Items(), how))
        RefreshVol07Page();
    ui_->btnVol07SmartExport->setFocus();
}

void Vol07DeletePage::btnVol07ClearAllClick() {
    if (runInProgress_)
        return;
    if (ui::ShowBox(this, Title + Blanks12 + "Information no: 0236.",
                    "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to "
                    "Stop the "
                    "delete process.",
                    ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::No)
        return;
    levels_->ResetToStart();
    // The builder's group is hidden, so no method radio could give the
    // import button back: it stays usable.
    ui_->btnVol07SmartImport->setEnabled(true);
    ui_->lblVol07IncludeSum->setText("0");
    ui_->lblVol07ExcludeSum->setText("0");
    ui_->lstVol07IncludeFolderList->Clear();
    ui_->lstVol07ExcludeFolderList->Clear();
    ui_->chkVol07ShowDetailedResults->setChecked(true);
    ui_->chkVol07DeleteDoubleConfirm->setChecked(true);
    ui_->rdoVol07DeleteCompleteFolders->setChecked(true);
    ResetVol07ToDeleteCounters();
    for (std::deque<std::string>& list : ResultLists)
        list.clear();
    DeleteFileSet.clear();
    inventory_ = DeleteInventory{};
    ShowVol07ToDeleteCounters();
    EnableVol07Options(false);
    ui::ShowBox(this, "Delete Foldere(s).-From a Folder List.           Warning no: 0237.",
                "End of the CLEAR FIELDS process !!!\n", ui::Icon::Warning);
}

void Vol07DeletePage::btnVol07HelpClick() {
    frmAltalanosHelp->SetHelpTopic("Delete");
    frmAltalanosHelp->SetMoreHelpVisible(true);
    ui::desktop().ShowModal(*frmAltalanosHelp);
}

void Vol07DeletePage::btnVol07ExamplesClick() {
    ui::desktop().ShowModal(*frmExamplesDelete);
}

void Vol07DeletePage::btnVol07LoadFromClick() {
    if (runInProgress_)
        return;
    IncludeListFileLoad load;
    load.owner = this;
    load.include = ui_->lstVol07IncludeFolderList;
    load.exclude = ui_->lstVol07ExcludeFolderList;
    load.notTxt = {
        "Delete Folders(s).-From a Folder List." + Blanks12 + "Information no: 0225.",
        "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to open this "
        "file ?\nClick YES to Continue Loading this file,\nClick NO to Stop the Loading process."};
    load.openFailed = {Title + Blanks13 + "Warning no: 0226.",
                       "There was a problem opening the file !\nAction : The file is maybe corrupted."};
    load.clearInclude = {
        Title + Blanks12 + "Information no: 0227.",
        "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
        "previous content,\nClick NO to leave it."};
    load.inInclude = {Title + Blanks13 + "Warning no: 0231.",
                      "This folder already exists in the Include window !\n"};
    load.inExclude = {Title + Blanks13 + "Warning no: 0230.",
                      "This folder already exists in the Exclude window !\n"};
    load.noDrive = {Title + Blanks13 + "Warning no: 0229.",
                    "There is no drive letter !\nClick YES to continue without asking\nClick NO  "
                    "to Clear "
                    "the INCULDE Window and quit the Import process"};
    // A drive's root or less is never a folder this page takes.
    load.tooShort = [](const std::string& item) { return item.size() <= 3; };
    load.shortLineFirst = true;
    load.hasDrive = HasDrive;
    load.whileReading = [this](const std::function<void()>& read) {
        PageRunGuard busy(runInProgress_, *this);
        read();
    };
    load.showProgress = [this] {
        ShowListCounts();
        ui::desktop().ProcessMessages();
    };
    load.afterQuit = [this] { ShowListCounts(); };
    load.refresh = [this] { RefreshVol07Page(); };
    LoadIncludeListFile(load);
}

void Vol07DeletePage::btnVol07SaveToClick() {
    if (runInProgress_)
        return;
    SaveIncludeListFile(this, *ui_->lstVol07IncludeFolderList, HasDrive,
                        {Title + Blanks12 + "Warning no: 0232.",
                         "There was a problem saving the file !\nAction : The file is maybe corrupted."});
    const bool lines = ui_->lstVol07IncludeFolderList->Count() > 0;
    EnableVol07Options(lines);
    EnableVol07RunButtons(lines);
    RefreshVol07Page();
    ui_->btnVol07AddFoldersToList->setFocus();
}

void Vol07DeletePage::rdoVol07AddToListManuallyClick() {
    levels_->rdoAddToListManuallyClick();
}

void Vol07DeletePage::MakeLevelBuilder() {
    LevelBuilderControls controls;
    controls.makeListSelector = ui_->rdoVol07MakeListSelector;
    controls.makeListImport = ui_->rdoVol07MakeListImport;
    controls.addToListManually = ui_->rdoVol07AddToListManually;
    controls.smartImport = ui_->btnVol07SmartImport;
    controls.addFolderToList = ui_->btnVol07AddFoldersToList;
    controls.rootLabel = ui_->lblVol07DestFolderName;
    controls.rootFolder = ui_->cboVol07LevelDestFolder;
    controls.browse = ui_->btnVol07AddDestFolder;
    controls.view = ui_->btnVol07ViewDestFolder;
    controls.filterLabel = ui_->lblVol07SubFolderFilter;
    controls.filter = ui_->edtVol07SubFolderFilter;
    controls.levelGroup = ui_->grpVol07LevelNumber;
    controls.levelLabel = ui_->lblVol07LevelNumber;
    controls.fromTo = ui_->rdoVol07SLNFromTo;
    controls.above = ui_->rdoVol07SLNAbove;
    controls.below = ui_->rdoVol07SLNBelow;
    controls.fromLevel = ui_->edtVol07FromLevelNumber;
    controls.fromUpDown = ui_->udVol07FromLevelNumber;
    controls.toLabel = ui_->lblVol07SLNTo;
    controls.toLevel = ui_->edtVol07ToLevelNumber;
    controls.toUpDown = ui_->udVol07ToLevelNumber;
    controls.aboveLevel = ui_->edtVol07AboveLevelNumber;
    controls.aboveUpDown = ui_->udVol07AboveLevelNumber;
    controls.belowLevel = ui_->edtVol07BelowLevelNumber;
    controls.belowUpDown = ui_->udVol07BelowLevelNumber;
    controls.lastSubFolder = ui_->rdoVol07GenLastSubFolder;
    controls.allSubFolders = ui_->rdoVol07GenAllSubFolders;
    controls.makeList = ui_->btnVol07MakeList;

    const std::string empty =
        "The selection field is empty !\nAction : You must select a destination folder.";
    LevelBuilderPage page;
    page.owner = this;
    page.include = ui_->lstVol07IncludeFolderList;
    page.exclude = ui_->lstVol07ExcludeFolderList;
    page.includeSum = ui_->lblVol07IncludeSum;
    page.progressBar = ui_->pbVol07ProgressBar;
    page.refresh = [this] { RefreshVol07Page(); };
    page.messages.rootEmpty = {"Delete Folder(s).- From a Folder List." + Blanks12 + "Warning no: 0314.",
                               empty};
    page.messages.viewEmpty = {Title + Blanks12 + "Warning no: 0315.", empty};
    page.messages.buildRootEmpty = {Title + Blanks12 + "Warning no: 0316.", empty};
    page.messages.noResults = {
        "Delete Folder(s).-From a Folder List - Level." + Blanks12 + "Warning no: 0318.",
        "There are no matching results for subfolder selection !\nAction : You must select a "
        "proper Subfolder level, or a filter."};
    page.messages.noDrivePart = {Title + Blanks13 + "Warning no: 0319.", "There is no drive letter !\n"};
    page.messages.levelsReversed = {"Delete Folder(s).-From a Folder List - Level." + Blanks12 +
                                        "Warning no: 0243.",
                                    "The From level is greater than the To level !\nAction : You must select "
                                    "a From level not greater than "
                                    "the To level."};
    page.refuseBeforeDriveCheck = [this](const std::string& path) {
        if (Trim(path).size() > 3)
            return false;
        ui::ShowBox(this, Title + Blanks13 + "Warning no: 0335.", "The Entire disk can't be Deleted !\n",
                    ui::Icon::Warning);
        return true;
    };
    page.acceptWithDrive = [this](const std::string& path) { return CheckVol07DeletePath(path); };
    page.smartImportFollowsRoot = true;
    page.upDownWraps = {false, true, false, false};
    levels_ = std::make_unique<LevelListBuilder>(controls, std::move(page));
    levels_->Connect(this);
}
