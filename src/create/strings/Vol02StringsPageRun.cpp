// The strings page's create run and the routines it relies on: the name
// parts, the structure scan and the free-space check.

#include "create/strings/Vol02StringsPage.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathNormalising.h"
#include "common/PathValidation.h"
#include "create/engine/PageRunGuard.h"
#include "create/engine/RepaintThrottle.h"
#include "create/engine/StructureScan.h"
#include "create/strings/TfrmStatistic02.h"
#include "platform/FileSystem.h"
#include "ui/Colors.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include <limits>

namespace {

const std::string Title = "Creating Folder(s).-From a String List.            ";

// The tabs a real run disables, so that no other page is used meanwhile.
const std::vector<std::string> RunDisabledTabs = {"tabFolderCreate05",  "tabFolderCreate04",
                                                  "tabFolderCreate01",  "tabFoldersCopy02",
                                                  "tabFoldersRename01", "tabFoldersDelete01"};

// The highest folder of `name` that does not exist yet: what creating `name`
// with its missing parents adds to the disk.
std::string TopmostMissingFolder(const std::string& name) {
    std::string top = ExcludeTrailingPathDelimiter(SlashesToBackslashes(name));
    for (;;) {
        std::string parent = ExcludeTrailingPathDelimiter(ExtractFileDir(top));
        if (parent.size() < 3 || parent == top || DirectoryExists(parent))
            return top;
        top = parent;
    }
}

int ProgressMaximum(size_t count) {
    return static_cast<int>(std::min<size_t>(count, static_cast<size_t>(std::numeric_limits<int>::max())));
}

} // namespace

_tagVol0XParts Vol02StringsPage::BuildNameParts() const {
    return BuildDestinationNameParts(
        ui_->cboVol02DestFolders->Text(), ui_->edtVol02Prefix->text().toStdString(),
        ui_->edtVol02Suffix->text().toStdString(), ui_->chkVol02Hyphen->isChecked());
}

void Vol02StringsPage::ScanAllStructures(bool withFiles) {
    bool subfoldersOnly = ui_->rdoVol02AttachSubFoldersOnlyWithFiles->isChecked() ||
                          ui_->rdoVol02AttachSubFoldersOnlyWithoutFiles->isChecked();
    ::ScanAllStructures(StructureItems(), !subfoldersOnly, withFiles, structureTotals_, fileSizeMap_);
}

bool Vol02StringsPage::CheckFreeSpace(bool withFiles) {
    ScanAllStructures(withFiles);
    uint64_t n = static_cast<uint64_t>(ui_->lstVol02IncludeStrings->Count());
    FreeSpaceResult space = CheckDestinationFreeSpace(n, ui_->cboVol02DestFolders->Text(), structureTotals_);
    if (n == 0)
        return false;
    if (space.enough) {
        block_.Counters.ToCreate = PlannedRow(n, structureTotals_);
        return true;
    }
    ui::ShowBox(this, Title + "Information no: 0035.", NotEnoughSpaceText(space), ui::Icon::Warning);
    return false;
}

bool Vol02StringsPage::CheckStructures(const std::string& emptyCaption, const std::string& missingCaption) {
    if (ui_->rdoVol02AttachNothing->isChecked())
        return true;
    std::vector<std::string> structures = StructureItems();
    if (structures.empty()) {
        ui::ShowBox(
            this, emptyCaption,
            "There is no additional Subfolder structure. !\nAction : You must add at least one Subfolder "
            "structure.",
            ui::Icon::Warning);
        ui_->btnVol02AddFolderStructure->setFocus();
        return false;
    }
    for (const std::string& structure : structures) {
        if (!DirectoryExists(Trim(structure))) {
            ui::ShowBox(this, missingCaption,
                        "The folder doesn't exist : " + structure +
                            "\nAction : Please enter or select an existing folder.",
                        ui::Icon::Warning);
            ui_->btnVol02AddFolderStructure->setFocus();
            return false;
        }
    }
    return true;
}

void Vol02StringsPage::PrepareStatisticsWindow(bool realRun) {
    BindStatisticsWindow();
    if (!frmStatistic02)
        return;
    Ui::TfrmStatistic02& statistics = frmStatistic02->Controls();
    statistics.chkStat02NormalSimulate->setChecked(realRun);
    ui::SetFontColor(statistics.lblVol02NormalSimulate, 128);
    statistics.lblVol02NormalSimulate->setText(realRun ? "Folder/File Creation Process."
                                                       : "Simulate the Folder/File Creation Process.");
}

void Vol02StringsPage::btnVol02CreateFoldersClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);

    if (WithFilesModeChecked() && !CheckFreeSpace(true))
        return;
    if (!CheckStructures(Title + "Warning no: 0023.", Title + "Warning no: 0024."))
        return;
    if (ui::ShowBox(this, "Creating Folder(s).-From  a String List.            Information no: 0025.",
                    "Do you want to create folders ?\n", ui::Icon::Question, ui::Buttons::YesNo,
                    ui::Answer::No) != ui::Answer::Yes)
        return;

    PrepareStatisticsWindow(true);
    ResetResultCounters();
    ClearAllResultLists();
    walk_.CreatedFilesList.clear();
    walk_.ClearOwnFolders();
    ClearStatisticLists();
    RefreshResultLabels();
    RefreshStatisticLabels();
    if (ui_->chkVol02ViewDetailedResults->isChecked() && frmStatistic02)
        frmStatistic02->show();

    OtherTabsDisabled tabs(mainWindow_, RunDisabledTabs);
    _tagVol0XParts parts = BuildNameParts();
    std::vector<std::string> items = IncludeItems();
    if (items.empty()) {
        ui::ShowBox(this, Title + "Warning no: 0027.",
                    "The Include list is empty !!!\nYou must enter at least one item to create folders.",
                    ui::Icon::Warning);
    } else {
        AttachMode mode = SelectedAttachMode();
        std::vector<std::string> structures = StructureItems();
        {
            RepaintRunScope repaints(block_.Repaints(), {window(), frmStatistic02},
                                     {ui_->pbVol02ProgressBar});
            ui_->pbVol02ProgressBar->setMaximum(ProgressMaximum(items.size()));
            ui_->pbVol02ProgressBar->setValue(0);
            ui_->pbVol02ProgressBar->show();
            for (size_t i = 0; i < items.size(); ++i) {
                // Working out whether the bar has changed costs more than a
                // small item: its position is written when it can be seen.
                if (block_.Repaints().ShownNow() || i + 1 == items.size())
                    ui_->pbVol02ProgressBar->setValue(static_cast<int>(std::min<size_t>(i, INT32_MAX)));
                ui::desktop().ProcessMessages();
                ProcessRunItem(items[i], parts, mode, structures);
            }
        }
        ui_->pbVol02ProgressBar->hide();
        ui::ShowBox(this, Title + "Information no: 0026.", "End of Creating Folders/Files !!!",
                    ui::Icon::Information);
        if (ui_->chkVol02ViewDestFolder->isChecked())
            ui::desktop().ShellOpen(Trim(ui_->cboVol02DestFolders->Text()));
    }
    ui_->pbVol02ProgressBar->hide();
    tabs.EnableAgain();
}

void Vol02StringsPage::ProcessRunItem(const std::string& item, const _tagVol0XParts& parts, AttachMode mode,
                                      const std::vector<std::string>& structures) {
    if (!Trim(ExtractFileDrive(item)).empty()) {
        RecordOther(item);
        return;
    }
    std::string name = parts.NameOf(item);
    if (Trim(ExtractFileDrive(name)).empty()) {
        RecordOther(name);
        return;
    }
    // Only what this item adds to the disk is the walk's own: a structure that
    // contains the destination must not copy it into the next new folder.
    std::string created;
    // While most items are new folders, each is first simply created: when
    // that works, the folder was new and its parent there, which is what the
    // checks below would have found, and they would have created it too.
    const bool mostlyNew = block_.Counters.Created.Folders >= block_.Counters.Exists.Folders;
    if (mostlyNew && platform::TryCreateDirectoryInFolder(name, mode != AttachMode::Nothing)) {
        created = name;
    } else {
        if (DirectoryExists(name)) {
            RecordExists(name);
            return;
        }
        if (mode != AttachMode::Nothing)
            created = TopmostMissingFolder(name);
        // A folder counts as created only when it was not there before and is
        // there now: ForceDirectories reports a drive root (or a drive that is
        // not present) as done without creating anything, and Undo would empty it.
        if (!ForceDirectories(name) || !DirectoryExists(name)) {
            RecordOther(name);
            return;
        }
    }
    RecordCreated(name);
    if (mode == AttachMode::Nothing)
        return;
    walk_.AddOwnFolder(created);
    for (const std::string& structure : structures) {
        std::string refusal;
        if (CheckSourceNotDestination(name, structure, refusal)) {
            RepaintPause showCounters(block_.Repaints());
            ui::ShowBox(this, Title + "Warning no: 0373.", refusal, ui::Icon::Warning);
            continue;
        }
        std::string target = AttachesTopFolder(mode) ? name + "\\" + ExtractFileName(Trim(structure)) : name;
        walk_.AttachTargetRoot = ExcludeTrailingPathDelimiter(target);
        walk_.CopyFolderStructure(structure, mode);
    }
}
