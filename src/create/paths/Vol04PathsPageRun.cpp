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
#include "create/engine/RunChecks.h"
#include "create/engine/StructureScan.h"
#include "create/paths/PathNameParts.h"
#include "create/paths/TfrmStatistic04.h"
#include "platform/FileSystem.h"
#include "ui/Colors.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistic04.h"
#include "ui_Vol04PathsPage.h"

#include <limits>
#include <unordered_map>

namespace {

const std::string Title = "Creating Folder(s).-From a Folder List.            ";

CreationRunTexts RunTexts() {
    CreationRunTexts texts;
    texts.noStructureCaption = Title + "Warning no: 0059.";
    texts.missingStructureCaption = Title + "Warning no: 0060.";
    texts.questionCaption = Title + "Information no: 0061.";
    texts.questionText = "Do you want to create folders ?\n";
    texts.emptyListCaption = "Creating Folder(s).-From a Folder List.           Warning no: 0063.";
    texts.emptyListText =
        "The Include list is empty !!!\nYou must enter at least one Folder to create folders.";
    texts.refusalCaption = Title + "Warning no: 0375.";
    texts.endCaption = Title + "Information no: 0062.";
    texts.endText = "End of Creating Folders/Files !!!";
    // The tabs a real run disables, so that no other page is used meanwhile.
    texts.disabledTabs = {"tabFolderCreate04", "tabFolderCreate03",  "tabFolderCreate01",
                          "tabFoldersCopy02",  "tabFoldersRename01", "tabFoldersDelete01"};
    return texts;
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

std::vector<FileSystemNeed> Vol04PathsPage::SumVol04DriveNeeds() const {
    // Lines mostly share a few parent folders: each parent is looked up once,
    // with the load of all its lines, in the order the parents are met.
    const uint64_t bytes = structureTotals_.bytes;
    const std::string prefix = ui_->edtVol04Prefix->text().toStdString();
    const std::string suffix = ui_->edtVol04Suffix->text().toStdString();
    const bool hyphen = ui_->chkVol04Hyphen->isChecked();
    std::vector<std::pair<std::string, uint64_t>> parents; // with their number of lines
    std::unordered_map<std::string, size_t> index;
    for (const std::string& line : IncludeItems()) {
        if (Trim(ExtractFileDrive(Trim(line))).empty())
            continue;
        // Charged where the run writes: the parent of the folder it creates,
        // which for a line naming a file is one level above the line's own.
        const std::string name = JoinedName(BuildPathNameParts(line, prefix, suffix, hyphen));
        if (Trim(ExtractFileDrive(name)).empty())
            continue;
        std::string parent = ExtractFileDir(name);
        if (parent.empty())
            parent = name;
        auto [found, added] = index.try_emplace(parent, parents.size());
        if (added)
            parents.emplace_back(parent, 0);
        parents[found->second].second += 1;
    }
    FileSystemNeeds needs;
    for (const auto& [parent, lines] : parents)
        needs.Add(parent, bytes, lines);
    return needs.Needs();
}

bool Vol04PathsPage::CheckFreeSpace(bool withFiles) {
    ScanAllStructures(withFiles);
    const uint64_t n = static_cast<uint64_t>(ui_->lstVol04IncludeFolderList->Count());
    if (n == 0)
        return false;
    // Without files nothing is needed: no file system need be looked at.
    if (structureTotals_.bytes > 0) {
        const std::vector<FileSystemNeed> needs = SumVol04DriveNeeds();
        uint64_t freeBytes = 0;
        if (const FileSystemNeed* shortNeed = FirstShortNeed(needs, freeBytes)) {
            FreeSpaceResult shortage;
            shortage.root = shortNeed->root;
            shortage.freeBytes = freeBytes;
            shortage.neededBytes = shortNeed->neededBytes;
            shortage.neededFigure = shortNeed->neededFigure;
            ui::ShowBox(this, Title + "Information no: 0071.", NotEnoughSpaceText(shortage),
                        ui::Icon::Warning);
            return false;
        }
    }
    block_.Counters.ToCreate = PlannedRow(n, structureTotals_);
    return true;
}

bool Vol04PathsPage::CheckStructures(const std::string& emptyCaption, const std::string& missingCaption) {
    return CheckAttachStructures(this, SelectedAttachMode(), StructureItems(), emptyCaption, missingCaption,
                                 ui_->btnVol04AddFolderStructure);
}

void Vol04PathsPage::PrepareStatisticsWindow(bool realRun) {
    BindStatisticsWindow();
    if (!frmStatistic04)
        return;
    Ui::TfrmStatistic04& statistics = frmStatistic04->Controls();
    ShowRunKind(*statistics.chkStat04NormalSimulate, *statistics.lblVol04NormalSimulate, realRun);
}

void Vol04PathsPage::btnVol04CreateFoldersClick() {
    CreateFolders(RunTexts());
}

void Vol04PathsPage::CreateFolders(const CreationRunTexts& texts) {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);

    if (WithFilesModeChecked() && !CheckFreeSpace(true))
        return;
    if (!CheckStructures(texts.noStructureCaption, texts.missingStructureCaption))
        return;
    if (ui::ShowBox(this, texts.questionCaption, texts.questionText, ui::Icon::Question, ui::Buttons::YesNo,
                    ui::Answer::No) != ui::Answer::Yes)
        return;

    PrepareStatisticsWindow(!texts.simulate);
    BeginCreationRun(block_, walk_, texts.simulate);
    if (ui_->chkVol04ViewDetailedResults->isChecked() && frmStatistic04)
        frmStatistic04->show();

    OtherTabsDisabled tabs(mainWindow_, texts.disabledTabs);
    const std::vector<std::string> lines = IncludeItems();
    if (lines.empty()) {
        ui::ShowBox(this, texts.emptyListCaption, texts.emptyListText, ui::Icon::Warning);
    } else {
        MainFolderStepSettings settings;
        settings.simulate = texts.simulate;
        settings.mode = SelectedAttachMode();
        settings.structures = StructureItems();
        settings.totals = &structureTotals_;
        // An existing folder gets nothing attached, so it carries no load.
        settings.chargeOther = true;
        settings.filesOfNewestFolderOnly = true;
        settings.owner = this;
        settings.refusalCaption = texts.refusalCaption;
        MainFolderStep step(block_, walk_, std::move(settings));
        ForEachRunItem(block_.Repaints(), {window(), frmStatistic04}, *ui_->pbVol04ProgressBar, lines.size(),
                       [&](uint64_t i) { StepLine(step, lines[i]); });
        ui_->pbVol04ProgressBar->hide();
        ui::ShowBox(this, texts.endCaption, texts.endText, ui::Icon::Information);
    }
    ui_->pbVol04ProgressBar->hide();
    tabs.EnableAgain();
}

void Vol04PathsPage::StepLine(MainFolderStep& step, const std::string& line) {
    BindStatisticsWindow();
    // Each line is judged the same way in the run and its simulation, so that
    // two lines naming one folder, or a line below a file, come out as the
    // run finds them.
    if (Trim(ExtractFileDrive(Trim(line))).empty()) {
        // Not a path at all: nothing would have been attached to it.
        step.Other(line, false);
        return;
    }
    const std::string name = FolderNameOf(line);
    if (Trim(ExtractFileDrive(name)).empty()) {
        step.Other(name);
        return;
    }
    step.MainFolder(name);
}
