#include "manage/copy/Vol08CopyPage.h"

#include "common/BoxCaption.h"
#include "common/FileHelpers.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkText.h"
#include "manage/copy/TfrmStatistic08.h"
#include "manage/shared/ManageLists.h"
#include "ui/ClickHandlersByName.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ShellOpening.h"

#include "ui_Vol08CopyPage.h"

#include <QToolButton>

namespace {

const std::string Title = "Copy Folder Structure(s).-From a Folder List - Level.";

// The copy page calls its counters after copying: "to copy", "copied",
// "already exists", and the Include folders that do not exist in the row the
// creation pages keep for other reasons.
CounterBlockNames CopyNames() {
    CounterBlockNames names;
    names.columns = {"Folders", "SubFolders", "Files", "FileSize"};
    names.rows = {"ToCopy", "Copied", "Exists", "NotExists"};
    names.lists = {"FoldersCopied", "FoldersAlreadyThere", "FoldersNotExists", "SubFoldersCopied",
                   "FilesCopied",   "SubFoldersExists",    "FilesExists"};
    return names;
}

AttachWalkTexts RunWalkTexts() {
    return {Title + Blanks12 + "Warning no: 0294.", "The path doesn't exists : \n",
            Title + Blanks12 + "Warning no: 0295.", "The path doesn't exists : \n"};
}

AttachWalkTexts SimulationWalkTexts() {
    return {"Simulate " + Title + Blanks12 + "Warning no: 0296.", "The path doesn't exists : \n",
            "Simulate " + Title + Blanks12 + "Warning no: 0297.", "The path doesn't exists : \n"};
}

} // namespace

Vol08CopyPage::Vol08CopyPage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol08CopyPage>()),
      // Copying into folders that exist: a structure's top folder may be there
      // already, and only the selected files are copied. What could not be
      // copied is told apart from the Include folders that do not exist, and
      // no walk enters the folder it copies into.
      walk_(block_, structureFileMap_,
            {.runTexts = RunWalkTexts(),
             .simulationTexts = SimulationWalkTexts(),
             .report = [](const ui::MessageBoxRequest& box) { ui::desktop().MessageBox(box); },
             .countExistingTopFolder = true,
             .filesFromSizeMapOnly = true,
             .keepOutOfTarget = true,
             .leaveTopFolderInTheWayToPage = true,
             .recordedFolders = &copyUndoFolders_,
             .recordedFiles = &copyUndoFiles_,
             .recordedFolderEntries = &madeFolderEntries_,
             .recordedFileEntries = &madeFileEntries_,
             .fileRecorder = &undoRecorder_,
             .recordedFailures = &notCopied_}) {
    ui_->setupUi(this);
    block_.BindPage(*this, "lblVol08", CopyNames());

    MakeLists();
    ConnectClickHandlersByName(*this);
}

Vol08CopyPage::~Vol08CopyPage() = default;

void Vol08CopyPage::BindStatisticsWindow() {
    block_.BindStatistics(frmStatistic08, "lblStat08", "lstStat08", CopyNames());
}

void Vol08CopyPage::InitialiseAtStart() {
    EnableVol08Options(false);
    ResetVol08Counters();
    ShowVol08Counters();
    lists_->PrepareAtStart();
    ui_->lstVol08AddFolderStructure->SetHorizontalExtent(3000);
}

AttachMode Vol08CopyPage::SelectedAttachMode() const {
    if (ui_->rdoVol08AttachMainFolderWithFiles->isChecked())
        return AttachMode::MainFolderWithFiles;
    if (ui_->rdoVol08AttachSubFoldersOnlyWithFiles->isChecked())
        return AttachMode::SubFoldersOnlyWithFiles;
    if (ui_->rdoVol08AttachSubFoldersOnlyWithoutFiles->isChecked())
        return AttachMode::SubFoldersOnlyWithoutFiles;
    return AttachMode::MainFolderWithoutFiles;
}

bool Vol08CopyPage::WithFilesModeChecked() const {
    return ui_->rdoVol08AttachMainFolderWithFiles->isChecked() ||
           ui_->rdoVol08AttachSubFoldersOnlyWithFiles->isChecked();
}

std::vector<std::string> Vol08CopyPage::StructureItems() const {
    return ui_->lstVol08AddFolderStructure->Items();
}

std::deque<std::string> Vol08CopyPage::IncludeItems() const {
    const std::vector<std::string> items = ui_->lstVol08IncludeFolderList->Items();
    return {items.begin(), items.end()};
}

void Vol08CopyPage::ShowVol08StatisticCounters() {
    BindStatisticsWindow();
    block_.RefreshStatisticLabels();
}

void Vol08CopyPage::ShowCountersEverywhere() {
    ShowVol08Counters();
    ShowVol08StatisticCounters();
}

void Vol08CopyPage::RefreshVol08Page() {
    EnableVol08Options(ui_->lstVol08IncludeFolderList->Count() > 0);
    ResetVol08Counters();
    CountVol08ToCopy(WithFilesModeChecked());
    ShowCountersEverywhere();
    lists_->ShowCounts();
    ui_->pbVol08ProgressBar->hide();
}

void Vol08CopyPage::EnableVol08Options(bool enabled) {
    // Every counter label with its row and column captions, the hidden ones too.
    for (QWidget* group : {static_cast<QWidget*>(ui_->GroupBox84), static_cast<QWidget*>(ui_->GroupBox85)})
        for (QLabel* label : group->findChildren<QLabel*>())
            label->setEnabled(enabled);
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->btnVol08Statistics, ui_->btnVol08Undo, ui_->chkVol08ShowDetailedResults,
             ui_->rdoVol08AttachMainFolderWithoutFiles, ui_->rdoVol08AttachSubFoldersOnlyWithoutFiles,
             ui_->rdoVol08AttachMainFolderWithFiles, ui_->rdoVol08AttachSubFoldersOnlyWithFiles,
             ui_->btnVol08AddFolderStructure, ui_->btnVol08ViewFolderStructure,
             ui_->btnVol08RemoveFolderStructure, ui_->lstVol08AddFolderStructure})
        control->setEnabled(enabled);
    const bool files = (ui_->rdoVol08AttachMainFolderWithFiles->isEnabled() &&
                        ui_->rdoVol08AttachMainFolderWithFiles->isChecked()) ||
                       (ui_->rdoVol08AttachSubFoldersOnlyWithFiles->isEnabled() &&
                        ui_->rdoVol08AttachSubFoldersOnlyWithFiles->isChecked());
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->btnVol08FileSelection, ui_->lblVol08Status,
                                                            ui_->lblVol08FileTypesAllSelected})
        control->setEnabled(files);
    EnableVol08RunButtons();
}

void Vol08CopyPage::EnableVol08RunButtons() {
    bool enable = ui_->lstVol08IncludeFolderList->Count() > 0;
    for (QRadioButton* radio :
         {ui_->rdoVol08AttachMainFolderWithoutFiles, ui_->rdoVol08AttachSubFoldersOnlyWithoutFiles,
          ui_->rdoVol08AttachMainFolderWithFiles, ui_->rdoVol08AttachSubFoldersOnlyWithFiles})
        if (radio->isEnabled() && radio->isChecked() && ui_->lstVol08AddFolderStructure->Count() == 0)
            enable = false;
    ui_->btnVol08CopyFolders->setEnabled(enable);
    ui_->btnVol08CopyFoldersSimulation->setEnabled(enable);
}

void Vol08CopyPage::btnVol08StatisticsClick() {
    ShowVol08StatisticCounters();
    if (frmStatistic08)
        frmStatistic08->show();
}

void OpenExistingFolder(QWidget* /*owner*/, const std::string& folder) {
    const std::string trimmed = Trim(folder);
    if (trimmed.empty() || !DirectoryExists(trimmed)) {
        ui::desktop().ShowMessage("The folder doesn't exist : " + trimmed);
        return;
    }
    ui::OpenInShell(trimmed);
}
