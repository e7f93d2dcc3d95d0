// The paths page's create run and what it relies on: the name parts of a
// line, the structure scan and the free-space check per file system.

#include "create/paths/Vol04PathsPage.h"

#include "common/FileHelpers.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathNormalising.h"
#include "common/PathValidation.h"
#include "create/engine/PageRunGuard.h"
#include "create/engine/RepaintThrottle.h"
#include "create/engine/StructureScan.h"
#include "create/paths/FileSystemNeeds.h"
#include "create/paths/PathNameParts.h"
#include "create/paths/TfrmStatistic04.h"
#include "platform/FileSystem.h"
#include "ui/Colors.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistic04.h"
#include "ui_Vol04PathsPage.h"

#include <limits>

namespace {

const std::string Title = "Creating Folder(s).-From a Folder List.            ";

// The tabs a real run disables, so that no other page is used meanwhile.
const std::vector<std::string> RunDisabledTabs = {"tabFolderCreate04",  "tabFolderCreate03",
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

_tagVol0XParts Vol04PathsPage::BuildNameParts(const std::string& line) const {
    return BuildPathNameParts(line, ui_->edtVol04Prefix->text().toStdString(),
                              ui_->edtVol04Suffix->text().toStdString(), ui_->chkVol04Hyphen->isChecked());
}

std::string Vol04PathsPage::FolderNameOf(const std::string& line) const {
    return JoinedName(BuildNameParts(line));
}

void Vol04PathsPage::ScanAllStructures(bool withFiles) {
    bool subfoldersOnly = ui_->rdoVol04AttachSubFoldersOnlyWithFiles->isChecked() ||
                          ui_->rdoVol04AttachSubFoldersOnlyWithoutFiles->isChecked();
    ::ScanAllStructures(StructureItems(), !subfoldersOnly, withFiles, structureTotals_, fileSizeMap_);
}

bool Vol04PathsPage::CheckFreeSpace(bool withFiles) {
    ScanAllStructures(withFiles);
    const std::vector<std::string> lines = IncludeItems();
    if (lines.empty())
        return false;
    // Without files nothing is needed: no file system need be looked at.
    if (structureTotals_.bytes > 0) {
        for (const FileSystemNeed& need : SumVol04DriveNeeds(lines, structureTotals_.bytes)) {
            if (need.neededBytes <= need.freeBytes)
                continue;
            FreeSpaceResult shortage;
            shortage.root = need.root;
            shortage.freeBytes = need.freeBytes;
            shortage.neededBytes = need.neededBytes;
            std::string text = NotEnoughSpaceText(shortage);
            ui::ShowBox(this, Title + "Information no: 0071.", text, ui::Icon::Warning);
            return false;
        }
    }
    block_.Counters.ToCreate = PlannedRow(lines.size(), structureTotals_);
    return true;
}

bool Vol04PathsPage::CheckStructures(const std::string& emptyCaption, const std::string& missingCaption) {
    if (ui_->rdoVol04AttachNothing->isChecked())
        return true;
    std::vector<std::string> structures = StructureItems();
    if (structures.empty()) {
        ui::ShowBox(
            this, emptyCaption,
            "There is no additional Subfolder structure. !\nAction : You must add at least one Subfolder "
            "structure.",
            ui::Icon::Warning);
        ui_->btnVol04AddFolderStructure->setFocus();
        return false;
    }
    for (const std::string& structure : structures) {
        if (!DirectoryExists(Trim(structure))) {
            ui::ShowBox(this, missingCaption,
                        "The folder doesn't exist : " + structure +
                            "\nAction : Please enter or select an existing folder.",
                        ui::Icon::Warning);
            ui_->btnVol04AddFolderStructure->setFocus();
            return false;
        }
    }
    return true;
}

void Vol04PathsPage::PrepareStatisticsWindow(bool realRun) {
    BindStatisticsWindow();
    if (!frmStatistic04)
        return;
    Ui::TfrmStatistic04& statistics = frmStatistic04->Controls();
    statistics.chkStat04NormalSimulate->setChecked(realRun);
    ui::SetFontColor(statistics.lblVol04NormalSimulate, 128);
    statistics.lblVol04NormalSimulate->setText(realRun ? "Folder/File Creation Process."
                                                       : "Simulate the Folder/File Creation Process.");
}

void Vol04PathsPage::btnVol04CreateFoldersClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);

    if (WithFilesModeChecked() && !CheckFreeSpace(true))
        return;
    if (!CheckStructures(Title + "Warning no: 0059.", Title + "Warning no: 0060."))
        return;
    if (ui::ShowBox(this, Title + "Information no: 0061.", "Do you want to create folders ?\n",
                    ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;

    PrepareStatisticsWindow(true);
    ResetResultCounters();
    ClearAllResultLists();
    walk_.CreatedFilesList.clear();
    walk_.ClearOwnFolders();
    ClearStatisticLists();
    RefreshResultLabels();
    RefreshStatisticLabels();
    if (ui_->chkVol04ViewDetailedResults->isChecked() && frmStatistic04)
        frmStatistic04->show();

    OtherTabsDisabled tabs(mainWindow_, RunDisabledTabs);
    const std::vector<std::string> lines = IncludeItems();
    if (lines.empty()) {
        ui::ShowBox(this, "Creating Folder(s).-From a Folder List.           Warning no: 0063.",
                    "The Include list is empty !!!\nYou must enter at least one Folder to create folders.",
                    ui::Icon::Warning);
    } else {
        const AttachMode mode = SelectedAttachMode();
        const std::vector<std::string> structures = StructureItems();
        {
            RepaintRunScope repaints(block_.Repaints(), {window(), frmStatistic04},
                                     {ui_->pbVol04ProgressBar});
            ui_->pbVol04ProgressBar->setMaximum(ProgressMaximum(lines.size()));
            ui_->pbVol04ProgressBar->setValue(0);
            ui_->pbVol04ProgressBar->show();
            for (size_t i = 0; i < lines.size(); ++i) {
                if (block_.Repaints().ShownNow() || i + 1 == lines.size())
                    ui_->pbVol04ProgressBar->setValue(static_cast<int>(std::min<size_t>(i, INT32_MAX)));
                ui::desktop().ProcessMessages();
                ProcessRunLine(lines[i], mode, structures);
            }
        }
        ui_->pbVol04ProgressBar->hide();
        ui::ShowBox(this, Title + "Information no: 0062.", "End of Creating Folders/Files !!!",
                    ui::Icon::Information);
    }
    ui_->pbVol04ProgressBar->hide();
    tabs.EnableAgain();
}

void Vol04PathsPage::ProcessRunLine(const std::string& line, AttachMode mode,
                                    const std::vector<std::string>& structures) {
    BindStatisticsWindow();
    if (Trim(ExtractFileDrive(Trim(line))).empty()) {
        // Not a path at all: nothing would have been attached to it.
        block_.RecordOther(line, nullptr);
        return;
    }
    const std::string name = FolderNameOf(line);
    if (Trim(ExtractFileDrive(name)).empty()) {
        RecordOther(name);
        return;
    }
    // Only what this line adds to the disk is the walk's own: a structure that
    // contains the new folder must not copy it into the next one.
    std::string created;
    // While most lines are new folders, each is first simply created: when
    // that works, the folder was new and its parent there, which is what the
    // checks below would have found.
    const bool mostlyNew = block_.Counters.Created.Folders >= block_.Counters.Exists.Folders;
    if (mostlyNew && platform::TryCreateDirectoryInFolder(name, mode != AttachMode::Nothing)) {
        created = name;
    } else {
        if (DirectoryExists(name)) {
            // An existing folder gets nothing attached, so it carries no load.
            block_.RecordExists(name, nullptr);
            return;
        }
        if (mode != AttachMode::Nothing)
            created = TopmostMissingFolder(name);
        // A folder counts as created only when it was not there before and is
        // there now: ForceDirectories reports a drive that is not present as
        // done without creating anything, and Undo would empty it.
        if (!ForceDirectories(name) || !DirectoryExists(name)) {
            RecordOther(name);
            return;
        }
    }
    RecordCreated(name);
    walk_.AttachTargetRoot = name;
    if (mode == AttachMode::Nothing)
        return;
    walk_.CreatedFilesList.clear();
    walk_.AddOwnFolder(created);
    for (const std::string& structure : structures) {
        std::string refusal;
        if (CheckSourceNotDestination(name, structure, refusal)) {
            RepaintPause showCounters(block_.Repaints());
            ui::ShowBox(this, Title + "Warning no: 0375.", refusal, ui::Icon::Warning);
            continue;
        }
        std::string target = AttachesTopFolder(mode) ? name + "\\" + ExtractFileName(Trim(structure)) : name;
        walk_.AttachTargetRoot = ExcludeTrailingPathDelimiter(target);
        walk_.CopyFolderStructure(structure, mode);
    }
}
