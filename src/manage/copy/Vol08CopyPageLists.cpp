// The copy page's Include and Exclude lists: the builder and import windows'
// results, adding a folder by hand, moving lines between the lists, deleting
// from the Exclude list, the editor, Smart Export, Clear Fields, help,
// examples and the visual log. Every change ends with the page's refresh.

#include "manage/copy/Vol08CopyPage.h"

#include "common/BrowseFolder.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "create/engine/PageRunGuard.h"
#include "manage/copy/TfrmStatistic08.h"
#include "manage/copy/TfrmVol08EditIncludeList.h"
#include "manage/shared/DeleteExcludeAll.h"
#include "manage/shared/DriveRowMoves.h"
#include "manage/shared/WindowResults.h"
#include "tools/ExportHandOver.h"
#include "tools/ItemListMoves.h"
#include "tools/TfrmAltalanosHelp.h"
#include "tools/TfrmExamplesCopy.h"
#include "tools/TfrmFileImport.h"
#include "tools/TfrmSubFolderListBuilder.h"
#include "tools/UpdatePacer.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmFileImport.h"
#include "ui_Vol08CopyPage.h"

#include <unordered_set>

namespace {

const std::string Title = "Copy Folder Structure(s).-From a Folder List - Level.";
const std::string Blanks12 = "            ";

void Warn(QWidget* owner, const std::string& number, const std::string& text) {
    ui::ShowBox(owner, Title + Blanks12 + "Warning no: " + number + ".", text, ui::Icon::Warning);
}

bool Ask(QWidget* owner, const std::string& number, const std::string& text) {
    return ui::ShowBox(owner, Title + Blanks12 + "Warning no: " + number + ".", text, ui::Icon::Question,
                       ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes;
}

bool HasDrive(const std::string& line) {
    return !ExtractFileDrive(line).empty();
}

int ProgressMaximum(int count) {
    return count > 0 ? count : 0;
}

} // namespace

void Vol08CopyPage::AddResultLines(const std::vector<std::string>& results) {
    ui::ListBox& include = *ui_->lstVol08IncludeFolderList;
    const ui::ListBox& exclude = *ui_->lstVol08ExcludeFolderList;
    QProgressBar& progress = *ui_->pbVol08ProgressBar;
    progress.setValue(0);
    progress.setMaximum(ProgressMaximum(static_cast<int>(results.size())));
    progress.show();
    // The new lines join the list in one go at the end; meanwhile their keys
    // make the duplicate test see them.
    std::vector<std::string> added;
    std::unordered_set<std::string> addedKeys;
    UpdatePacer pacer;
    for (int line = 0; line < static_cast<int>(results.size()); ++line) {
        const std::string& text = results[line];
        std::string key = ui::FoldCase(text);
        if (include.ContainsFolded(key) || exclude.ContainsFolded(key) || addedKeys.count(key) > 0 ||
            Trim(text).size() < 2)
            continue;
        addedKeys.insert(std::move(key));
        added.push_back(text);
        if (pacer.Due()) {
            progress.setValue(line);
            ui_->lblVol08IncludeSum->setText(
                QString::number(include.Count() + static_cast<int>(added.size())));
            ui::desktop().ProcessMessages();
        }
    }
    include.AddItems(added);
    progress.hide();
}

void Vol08CopyPage::TakeResults(ui::Form& window, std::function<std::vector<std::string>()> results,
                                const std::string& number) {
    WindowResults take;
    take.owner = this;
    take.window = &window;
    take.results = std::move(results);
    take.emptyCaption = Title + Blanks12 + "Warning no: " + number + ".";
    take.emptyText = "Empty Result List in the File Import Window!\n";
    take.add = [this](const std::vector<std::string>& lines) {
        PageRunGuard busy(runInProgress_, *this);
        AddResultLines(lines);
    };
    take.refresh = [this] { RefreshVol08Page(); };
    TakeWindowResults(take);
}

void Vol08CopyPage::btnVol08SubFolderLevelListBuilderClick() {
    if (runInProgress_ || !frmSubFolderListBuilder)
        return;
    TakeResults(
        *frmSubFolderListBuilder,
        [this] {
            const ui::ListBox* results =
                frmSubFolderListBuilder->findChild<ui::ListBox*>("lstIncludeFolderList");
            return results ? results->Items() : std::vector<std::string>{};
        },
        "0595");
}

void Vol08CopyPage::btnVol08SmartImportClick() {
    if (runInProgress_ || !frmFileImport)
        return;
    TakeResults(
        *frmFileImport, [this] { return frmFileImport->Controls().lstFileImportResults->Items(); }, "0401");
}

void Vol08CopyPage::btnVol08AddFolderToListClick() {
    if (runInProgress_)
        return;
    const std::string folder = BrowseForFolder(this, "Select the Folder.");
    if (folder.empty())
        Warn(this, "0262", "The selection field is empty !!!");
    else if (ui_->lstVol08IncludeFolderList->Contains(folder))
        Warn(this, "0263", "This folder exists in the INCLUDE FOLDER LIST !!!");
    else if (ui_->lstVol08ExcludeFolderList->Contains(folder))
        Warn(this, "0264", "This folder exists in the EXCLUDE FOLDER LIST !!!");
    else
        ui_->lstVol08IncludeFolderList->AddItem(folder);
    RefreshVol08Page();
}

void Vol08CopyPage::MoveSelected(ui::ListBox& from, ui::ListBox& to) {
    MoveDriveRows(from, to, from.SelectedIndexes(), HasDrive);
}

void Vol08CopyPage::MoveAll(ui::ListBox& from, ui::ListBox& to) {
    MoveDriveRows(from, to, AllListRows(from), HasDrive);
}

void Vol08CopyPage::btnVol08IncToExcClick() {
    if (runInProgress_)
        return;
    MoveSelected(*ui_->lstVol08IncludeFolderList, *ui_->lstVol08ExcludeFolderList);
    RefreshVol08Page();
}

void Vol08CopyPage::btnVol08ExcToIncClick() {
    if (runInProgress_)
        return;
    MoveSelected(*ui_->lstVol08ExcludeFolderList, *ui_->lstVol08IncludeFolderList);
    RefreshVol08Page();
}

void Vol08CopyPage::btnVol08AllfromIncClick() {
    if (runInProgress_)
        return;
    MoveAll(*ui_->lstVol08IncludeFolderList, *ui_->lstVol08ExcludeFolderList);
    RefreshVol08Page();
}

void Vol08CopyPage::btnVol08AllfromExcClick() {
    if (runInProgress_)
        return;
    MoveAll(*ui_->lstVol08ExcludeFolderList, *ui_->lstVol08IncludeFolderList);
    RefreshVol08Page();
}

void Vol08CopyPage::btnVol08DeleteExcludeListClick() {
    if (runInProgress_)
        return;
    ui::ListBox& exclude = *ui_->lstVol08ExcludeFolderList;
    if (exclude.Count() == 0) {
        Warn(
            this, "0277",
            "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE list to "
            "delete it.\n");
    } else if (Ask(this, "0276",
                   "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete "
                   "ONLY from the EXCLUDE list.\n")) {
        DeleteListRows(exclude, exclude.SelectedIndexes());
    }
    RefreshVol08Page();
}

void Vol08CopyPage::btnVol08DeleteExcludeAllClick() {
    if (runInProgress_)
        return;
    DeleteExcludeAll(ManagePage::Copy, {this, ui_->lstVol08ExcludeFolderList, ui_->lblVol08ExcludeSum,
                                        [this] { RefreshVol08Page(); }, ui_->btnVol08DeleteExcludeAll});
}

void Vol08CopyPage::btnVol08IncludeFolderListViewClick() {
    const ui::ListBox& include = *ui_->lstVol08IncludeFolderList;
    const int index = include.ItemIndex();
    if (index < 0) {
        Warn(this, "0278",
             "There is no selected Folder Structure !\nAction : You must select a Folder with subfolder "
             "structure.");
        return;
    }
    OpenExistingFolder(this, include.Text(index));
}

void Vol08CopyPage::btnVol08SmartExportClick() {
    if (runInProgress_)
        return;
    ExportHandOver how;
    how.owner = this;
    how.emptyCaption = Title + "             Warning no: 0560.";
    how.emptyText = "The Include List is empty !\n";
    how.accept = HasDrivePart;
    how.listType = "FOLDERS";
    how.progressBar = ui_->pbVol08ProgressBar;
    if (HandOverToFileExport(ui_->lstVol08IncludeFolderList->Items(), how))
        RefreshVol08Page();
    ui_->btnVol08SmartExport->setFocus();
}

void Vol08CopyPage::btnVol08EditIncludeListClick() {
    if (runInProgress_ || !frmVol08EditIncludeList)
        return;
    frmVol08EditIncludeList->LoadList(*ui_->lstVol08IncludeFolderList, *ui_->lstVol08ExcludeFolderList);
    if (ui::desktop().ShowModal(*frmVol08EditIncludeList) == ui::Answer::Ok)
        RefreshVol08Page();
}

void Vol08CopyPage::btnVol08ClearAllClick() {
    if (runInProgress_)
        return;
    if (ui::ShowBox(
            this, Title + Blanks12 + "Warning no: 0287.",
            "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to Stop "
            "the delete process.",
            ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::No)
        return;
    levelBuilder_->ResetToStart();
    ui_->lblVol08IncludeSum->setText("0");
    ui_->lblVol08ExcludeSum->setText("0");
    ui_->lstVol08IncludeFolderList->Clear();
    ui_->lstVol08ExcludeFolderList->Clear();
    ui_->rdoVol08AttachMainFolderWithFiles->setChecked(true);
    ui_->lstVol08AddFolderStructure->Clear();
    ui_->chkVol08ShowDetailedResults->setChecked(true);
    ResetVol08Counters();
    block_.ClearAllResultLists();
    // Both undo lists go: an Undo after Clear Fields must not remove what an
    // earlier run copied, which the person may have changed since.
    ClearUndoLists();
    ShowCountersEverywhere();
    EnableVol08Options(false);
    ui::ShowBox(this, "Copy Folder Structure(s).-From a Folder List Level.           Warning no: 0288.",
                "End of the CLEAR FIELDS process !!!\n", ui::Icon::Warning);
}

void Vol08CopyPage::btnVol08HelpClick() {
    if (!frmAltalanosHelp)
        return;
    frmAltalanosHelp->SetHelpTopic("Copy");
    frmAltalanosHelp->SetMoreHelpVisible(true);
    ui::desktop().ShowModal(*frmAltalanosHelp);
}

void Vol08CopyPage::btnVol08ExamplesClick() {
    if (frmExamplesCopy)
        ui::desktop().ShowModal(*frmExamplesCopy);
}
