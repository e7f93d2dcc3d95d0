#include "manage/copy/Vol08CopyPage.h"

#include "common/FileHelpers.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkText.h"
#include "manage/copy/TfrmStatistic08.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ShellOpening.h"

#include "ui_Vol08CopyPage.h"

#include <QToolButton>

namespace {

const std::string Title = "Copy Folder Structure(s).-From a Folder List - Level.";
const std::string Blanks12 = "            ";

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

LevelBuilderBox Warning(const std::string& number, const std::string& text) {
    return {Title + Blanks12 + "Warning no: " + number + ".", text};
}

} // namespace

Vol08CopyPage::Vol08CopyPage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol08CopyPage>()),
      walk_(block_, structureFileMap_, RunWalkTexts(), SimulationWalkTexts()) {
    ui_->setupUi(this);
    block_.BindPage(*this, "lblVol08", CopyNames());
    // Copying into folders that exist: a structure's top folder may be there
    // already, and only the selected files are copied.
    walk_.CountExistingTopFolder = true;
    walk_.FilesFromSizeMapOnly = true;
    walk_.RecordedFolders = &copyUndoFolders_;
    walk_.RecordedFiles = &copyUndoFiles_;
    // What could not be copied is told apart from the Include folders that
    // do not exist, and no walk enters the folder it copies into.
    walk_.RecordedFailures = &notCopied_;
    walk_.KeepOutOfTarget = true;

    LevelBuilderControls c;
    c.makeListSelector = ui_->rdoVol08MakeListSelector;
    c.makeListImport = ui_->rdoVol08MakeListImport;
    c.addToListManually = ui_->rdoVol08AddToListManually;
    c.smartImport = ui_->btnVol08SmartImport;
    c.addFolderToList = ui_->btnVol08AddFolderToList;
    c.rootLabel = ui_->lblVol08DestFolderName;
    c.rootFolder = ui_->cboVol08LevelDestFolder;
    c.browse = ui_->btnVol08AddDestFolder;
    c.view = ui_->btnVol08ViewDestFolder;
    c.filterLabel = ui_->lblVol08SubFolderFilter;
    c.filter = ui_->edtVol08SubFolderFilter;
    c.levelGroup = ui_->grpVol08LevelNumber;
    c.levelLabel = ui_->lblVol08LevelNumber;
    c.fromTo = ui_->rdoVol08SLNFromTo;
    c.above = ui_->rdoVol08SLNAbove;
    c.below = ui_->rdoVol08SLNBelow;
    c.fromLevel = ui_->edtVol08FromLevelNumber;
    c.fromUpDown = ui_->udVol08FromLevelNumber;
    c.toLabel = ui_->lblVol08SLNTo;
    c.toLevel = ui_->edtVol08ToLevelNumber;
    c.toUpDown = ui_->udVol08ToLevelNumber;
    c.aboveLevel = ui_->edtVol08AboveLevelNumber;
    c.aboveUpDown = ui_->udVol08AboveLevelNumber;
    c.belowLevel = ui_->edtVol08BelowLevelNumber;
    c.belowUpDown = ui_->udVol08BelowLevelNumber;
    c.lastSubFolder = ui_->rdoVol08GenLastSubFolder;
    c.allSubFolders = ui_->rdoVol08GenAllSubFolders;
    c.makeList = ui_->btnVol08MakeList;
    LevelBuilderPage page;
    page.owner = this;
    page.include = ui_->lstVol08IncludeFolderList;
    page.exclude = ui_->lstVol08ExcludeFolderList;
    page.includeSum = ui_->lblVol08IncludeSum;
    page.progressBar = ui_->pbVol08ProgressBar;
    page.refresh = [this] { RefreshVol08Page(); };
    const std::string selectFolder =
        "The selection field is empty !\nAction : You must select a destination folder.";
    page.messages.rootEmpty = Warning("0253", selectFolder);
    page.messages.viewEmpty = Warning("0254", selectFolder);
    page.messages.buildRootEmpty = Warning("0255", selectFolder);
    page.noInputFolder = Warning("0260", selectFolder);
    page.messages.noResults =
        Warning("0310", "There are no matching results for subfolder selection !\nAction : You "
                        "must select a proper Subfolder level, or a filter.");
    page.messages.noDrivePart = {Title + "             Warning no: 0257.", "There is no drive letter !\n"};
    page.messages.levelsReversed = Warning(
        "0258", "The From level is greater than the To level !\nAction : You must select a From level "
                "that is not greater than the To level.");
    page.beforeRootSelected = [this](const std::string& folder) { SummariseVol08Root(folder); };
    // This page's four level up-downs run round from the highest level to 1.
    page.upDownWraps = {true, true, true, true};
    levelBuilder_ = std::make_unique<LevelListBuilder>(c, std::move(page));
    levelBuilder_->Connect(this);
    ConnectHandlers();
}

Vol08CopyPage::~Vol08CopyPage() = default;

void Vol08CopyPage::ConnectHandlers() {
    const std::pair<QAbstractButton*, void (Vol08CopyPage::*)()> clicks[] = {
        {ui_->btnVol08CopyFolders, &Vol08CopyPage::btnVol08CopyFoldersClick},
        {ui_->btnVol08CopyFoldersSimulation, &Vol08CopyPage::btnVol08CopyFoldersSimulationClick},
        {ui_->btnVol08Undo, &Vol08CopyPage::btnVol08UndoClick},
        {ui_->btnVol08Statistics, &Vol08CopyPage::btnVol08StatisticsClick},
        {ui_->btnVol08AddFolderStructure, &Vol08CopyPage::btnVol08AddFolderStructureClick},
        {ui_->btnVol08ViewFolderStructure, &Vol08CopyPage::btnVol08ViewFolderStructureClick},
        {ui_->btnVol08RemoveFolderStructure, &Vol08CopyPage::btnVol08RemoveFolderStructureClick},
        {ui_->rdoVol08AttachMainFolderWithoutFiles,
         &Vol08CopyPage::rdoVol08AttachMainFolderWithoutFilesClick},
        {ui_->rdoVol08AttachSubFoldersOnlyWithoutFiles,
         &Vol08CopyPage::rdoVol08AttachSubFoldersOnlyWithoutFilesClick},
        {ui_->rdoVol08AttachMainFolderWithFiles, &Vol08CopyPage::rdoVol08AttachMainFolderWithFilesClick},
        {ui_->rdoVol08AttachSubFoldersOnlyWithFiles,
         &Vol08CopyPage::rdoVol08AttachSubFoldersOnlyWithFilesClick},
        {ui_->btnVol08FileSelection, &Vol08CopyPage::btnVol08FileSelectionClick},
        {ui_->btnVol08SubFolderLevelListBuilder, &Vol08CopyPage::btnVol08SubFolderLevelListBuilderClick},
        {ui_->btnVol08SmartImport, &Vol08CopyPage::btnVol08SmartImportClick},
        {ui_->btnVol08AddFolderToList, &Vol08CopyPage::btnVol08AddFolderToListClick},
        {ui_->btnVol08IncToExc, &Vol08CopyPage::btnVol08IncToExcClick},
        {ui_->btnVol08ExcToInc, &Vol08CopyPage::btnVol08ExcToIncClick},
        {ui_->btnVol08AllfromInc, &Vol08CopyPage::btnVol08AllfromIncClick},
        {ui_->btnVol08AllfromExc, &Vol08CopyPage::btnVol08AllfromExcClick},
        {ui_->btnVol08DeleteExcludeList, &Vol08CopyPage::btnVol08DeleteExcludeListClick},
        {ui_->btnVol08DeleteExcludeAll, &Vol08CopyPage::btnVol08DeleteExcludeAllClick},
        {ui_->btnVol08IncludeFolderListView, &Vol08CopyPage::btnVol08IncludeFolderListViewClick},
        {ui_->btnVol08SmartExport, &Vol08CopyPage::btnVol08SmartExportClick},
        {ui_->btnVol08EditIncludeList, &Vol08CopyPage::btnVol08EditIncludeListClick},
        {ui_->btnVol08ClearAll, &Vol08CopyPage::btnVol08ClearAllClick},
        {ui_->btnVol08Help, &Vol08CopyPage::btnVol08HelpClick},
        {ui_->btnVol08Examples, &Vol08CopyPage::btnVol08ExamplesClick},
        {ui_->btnVol08LoadFrom, &Vol08CopyPage::btnVol08LoadFromClick},
        {ui_->btnVol08SaveTo, &Vol08CopyPage::btnVol08SaveToClick},
    };
    for (const auto& [button, handler] : clicks)
        ui::OnClicked(button, [this, handler = handler] { (this->*handler)(); });
}

void Vol08CopyPage::BindStatisticsWindow() {
    block_.BindStatistics(frmStatistic08, "lblStat08", "lstStat08", CopyNames());
}

void Vol08CopyPage::InitialiseAtStart() {
    EnableVol08Options(false);
    ResetVol08Counters();
    ShowVol08Counters();
    for (ui::ListBox* list :
         {ui_->lstVol08IncludeFolderList, ui_->lstVol08ExcludeFolderList, ui_->lstVol08AddFolderStructure})
        list->SetHorizontalExtent(3000);
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

void Vol08CopyPage::ResetVol08Counters() {
    block_.ResetAllCounters();
}

void Vol08CopyPage::ResetVol08Results() {
    block_.ResetResultCounters();
}

void Vol08CopyPage::ShowVol08Counters() {
    block_.RefreshResultLabels();
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
    ui_->lblVol08IncludeSum->setText(QString::number(ui_->lstVol08IncludeFolderList->Count()));
    ui_->lblVol08ExcludeSum->setText(QString::number(ui_->lstVol08ExcludeFolderList->Count()));
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
