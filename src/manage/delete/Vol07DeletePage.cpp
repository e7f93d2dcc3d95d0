#include "manage/delete/Vol07DeletePage.h"

#include "common/FrameworkText.h"
#include "common/SettingLists.h"
#include "manage/delete/TfrmStatistics07.h"
#include "manage/shared/ManageLists.h"
#include "tools/FileTypesLabels.h"
#include "tools/TfrmFileSelection.h"
#include "ui/ClickHandlersByName.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistics07.h"
#include "ui_Vol07DeletePage.h"

namespace {

const std::string HintCaption = "Delete Foldere(s).-From a Folder List.           Warning no: 0237.";

void SetCounterLabel(QWidget& root, const std::string& name, double value) {
    if (auto* label = root.findChild<QLabel*>(QString::fromStdString(name)))
        label->setText(QString::fromStdString(FloatToStr(value)));
}

} // namespace

Vol07DeletePage::Vol07DeletePage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol07DeletePage>()) {
    ui_->setupUi(this);
    ConnectClickHandlersByName(*this);
    MakeLists();
    RegisterFileTypesLabel(ui_->lblVol07FileTypesAllSelected);
}

Vol07DeletePage::~Vol07DeletePage() = default;

void Vol07DeletePage::InitialiseAtStart() {
    ResetVol07ToDeleteCounters();
    ShowVol07ToDeleteCounters();
    Counters.ResetResults();
    ShowVol07ResultCounters();
    DeleteFileSet.clear();
    EnableVol07Options(false);
    lists_->PrepareAtStart();
}

void Vol07DeletePage::ShowActiveFileTypes() {
    const MainWindowTexts& texts = mainWindow_.Texts();
    ui_->lblVol07FileTypesAllSelected->setText(QString::fromStdString(
        GetFileNamePatternText() == "*.*" ? texts.AllFileTypesText : texts.UserSelectedFileTypesText));
}

DeleteMode Vol07DeletePage::CheckedMode() const {
    const std::pair<QRadioButton*, DeleteMode> radios[] = {
        {ui_->rdoVol07DeleteOnlyFiles, DeleteMode::FilesEverywhere},
        {ui_->rdoVol07DeleteOnlyFilesInMainFolder, DeleteMode::FilesInMainFolders},
        {ui_->rdoVol07DeleteSubFolders, DeleteMode::Subfolders},
        {ui_->rdoVol07DeleteCompleteFolders, DeleteMode::Everything}};
    for (const auto& [radio, mode] : radios) {
        if (radio->isEnabled() && radio->isChecked())
            return mode;
    }
    return DeleteMode::FilesInMainFolders;
}

void Vol07DeletePage::RefreshVol07Page() {
    DeleteMode mode = DeleteMode::FilesInMainFolders;
    if (ui_->lstVol07IncludeFolderList->Count() == 0) {
        EnableVol07Options(false);
        EnableVol07RunButtons(false);
    } else {
        EnableVol07Options(true);
        EnableVol07RunButtons(true);
        mode = CheckedMode();
        // The folder column is enabled where folders are deleted, so that
        // the page never shows a folder count the mode has no use for.
        EnableVol07FolderCounters(DeletesFolders(mode));
    }
    ResetVol07ToDeleteCounters();
    CountVol07ToDelete(mode);
    ShowVol07ToDeleteCounters();
    ShowListCounts();
    ui_->pbVol07ProgressBar->hide();
}

void Vol07DeletePage::ShowListCounts() {
    lists_->ShowCounts();
}

void Vol07DeletePage::EnableVol07Options(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->chkVol07DeleteDoubleConfirm, ui_->rdoVol07DeleteOnlyFiles,
             ui_->rdoVol07DeleteOnlyFilesInMainFolder, ui_->rdoVol07DeleteSubFolders,
             ui_->rdoVol07DeleteCompleteFolders, ui_->rdoVol07DeleteWithUndo, ui_->rdoVol07DeletePermanent,
             ui_->btnVol07Statistics, ui_->chkVol07ShowDetailedResults})
        control->setEnabled(enabled);
    EnableVol07FolderCounters(enabled);
    for (QLabel* label : ui_->grpVol07Statistics->findChildren<QLabel*>())
        label->setEnabled(enabled);
    const bool files =
        (ui_->rdoVol07DeleteOnlyFilesInMainFolder->isEnabled() &&
         ui_->rdoVol07DeleteOnlyFilesInMainFolder->isChecked()) ||
        (ui_->rdoVol07DeleteOnlyFiles->isEnabled() && ui_->rdoVol07DeleteOnlyFiles->isChecked());
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->btnVol07FileSelection, ui_->lblVol07Status,
                                                            ui_->lblVol07FileTypesAllSelected})
        control->setEnabled(files);
    EnableVol07RunButtons();
}

std::vector<QLabel*> Vol07DeletePage::FolderCounterLabels() const {
    return {ui_->lblVol07FoldersColumn,       ui_->lblVol07RowToDelete,      ui_->lblVol07RowDeleted,
            ui_->lblVol07RowNotExists,        ui_->lblVol07RowOtherReasons,  ui_->lblVol07FoldersToDelete,
            ui_->lblVol07FoldersDeleted,      ui_->lblVol07FoldersNotExists, ui_->lblVol07FoldersOtherReasons,
            ui_->lblVol07DetailedResultsCimke};
}

void Vol07DeletePage::EnableVol07FolderCounters(bool enabled) {
    for (QLabel* label : FolderCounterLabels())
        label->setEnabled(enabled);
}

void Vol07DeletePage::EnableVol07RunButtons(bool) {
    const bool lines = ui_->lstVol07IncludeFolderList->Count() > 0;
    ui_->btnVol07DeleteFolders->setEnabled(lines);
    ui_->btnVol07DeleteFoldersSimulation->setEnabled(lines);
}

void Vol07DeletePage::ResetVol07ToDeleteCounters() {
    Counters.ResetToDelete();
}

void Vol07DeletePage::WriteCounterLabels(QWidget& root, const std::string& prefix, bool toDelete,
                                         bool results) {
    if (toDelete) {
        SetCounterLabel(root, prefix + "FoldersToDelete", Counters.Vol07FoldersToDelete);
        SetCounterLabel(root, prefix + "FilesToDelete", Counters.Vol07FilesToDelete);
    }
    if (results) {
        SetCounterLabel(root, prefix + "FoldersDeleted", Counters.Vol07FoldersDeleted);
        SetCounterLabel(root, prefix + "FilesDeleted", Counters.Vol07FilesDeleted);
        SetCounterLabel(root, prefix + "FoldersNotExists", Counters.Vol07FoldersNotExists);
        SetCounterLabel(root, prefix + "FilesNotExists", Counters.Vol07FilesNotExists);
        SetCounterLabel(root, prefix + "FoldersOtherReasons", Counters.Vol07FoldersOtherReasons);
        SetCounterLabel(root, prefix + "FilesOtherReasons", Counters.Vol07FilesOtherReasons);
    }
}

void Vol07DeletePage::ShowVol07ToDeleteCounters() {
    WriteCounterLabels(*this, "lblVol07", true, false);
    repaint();
    if (frmStatistics07) {
        WriteCounterLabels(*frmStatistics07, "lblStat07", true, false);
        frmStatistics07->repaint();
    }
}

void Vol07DeletePage::ShowVol07ResultCounters() {
    WriteCounterLabels(*this, "lblVol07", false, true);
}

void Vol07DeletePage::ShowVol07StatisticsResults() {
    if (frmStatistics07)
        WriteCounterLabels(*frmStatistics07, "lblStat07", false, true);
}

void Vol07DeletePage::ModeChosen(QRadioButton& radio, bool* filesHintShown) {
    if (runInProgress_)
        return;
    const bool filesOnly = filesHintShown != nullptr;
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->btnVol07FileSelection, ui_->lblVol07Status,
                                                            ui_->lblVol07FileTypesAllSelected})
        control->setEnabled(filesOnly);
    EnableVol07FolderCounters(!filesOnly);
    RefreshVol07Page();
    if (filesOnly && !*filesHintShown && radio.isChecked()) {
        *filesHintShown = true;
        ui::ShowBox(this, HintCaption, mainWindow_.Texts().SelectFilesHintText, ui::Icon::Warning);
    }
}

void Vol07DeletePage::rdoVol07DeleteOnlyFilesClick() {
    ModeChosen(*ui_->rdoVol07DeleteOnlyFiles, &filesHintShown_);
}

void Vol07DeletePage::rdoVol07DeleteOnlyFilesInMainFolderClick() {
    ModeChosen(*ui_->rdoVol07DeleteOnlyFilesInMainFolder, &mainFolderFilesHintShown_);
}

void Vol07DeletePage::rdoVol07DeleteSubFoldersClick() {
    ModeChosen(*ui_->rdoVol07DeleteSubFolders, nullptr);
}

void Vol07DeletePage::rdoVol07DeleteCompleteFoldersClick() {
    ModeChosen(*ui_->rdoVol07DeleteCompleteFolders, nullptr);
}

void Vol07DeletePage::btnVol07FileSelectionClick() {
    if (runInProgress_ || !FileSelectionConfirmed())
        return;
    ShowActiveFileTypes();
    RefreshVol07Page();
}

void Vol07DeletePage::btnVol07StatisticsClick() {
    if (!frmStatistics07)
        return;
    WriteCounterLabels(*frmStatistics07, "lblStat07", true, false);
    frmStatistics07->show();
}
