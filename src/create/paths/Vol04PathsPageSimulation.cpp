// The paths page's simulation: the run's checks, then what the run would
// create, find existing or refuse, counted and listed without touching the
// disk. The result lists (and so the last run's undo list) and the run's list
// of copied files stay as they are.

#include "create/paths/Vol04PathsPage.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathValidation.h"
#include "create/engine/PageRunGuard.h"
#include "create/engine/RepaintThrottle.h"
#include "create/engine/RunChecks.h"
#include "create/paths/TfrmStatistic04.h"
#include "tools/ExportHandOver.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol04PathsPage.h"

#include <limits>

namespace {

const std::string Title = "Simulate Creating Folder(s).-From a Folder List.            ";

const std::vector<std::string> SimulationDisabledTabs = {"tabFolderCreate04", "tabFolderCreate03",
                                                         "tabFolderCreate01"};

} // namespace

void Vol04PathsPage::btnVol04CreateFoldersSimulationClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);

    if (WithFilesModeChecked() && !CheckFreeSpace(true))
        return;
    if (!CheckStructures(Title + "Warning no: 0471.", Title + "Warning no: 0472."))
        return;
    if (ui::ShowBox(this, Title + "Information no: 0473.", mainWindow_.Texts().CreateSimulationIntroText,
                    ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
        return;

    PrepareStatisticsWindow(false);
    ResetResultCounters();
    ClearStatisticLists();
    walk_.ClearOwnFolders();
    RefreshResultLabels();
    RefreshStatisticLabels();
    if (ui_->chkVol04ViewDetailedResults->isChecked() && frmStatistic04)
        frmStatistic04->show();

    OtherTabsDisabled tabs(mainWindow_, SimulationDisabledTabs);
    const std::vector<std::string> lines = IncludeItems();
    if (lines.empty()) {
        ui::ShowBox(this, "Simulate Creating Folder(s).-From a Folder List.           Warning no: 0476.",
                    "The Include list is empty !!!\nYou must enter at least one Folder to create folders.",
                    ui::Icon::Warning);
    } else {
        const AttachMode mode = SelectedAttachMode();
        const std::vector<std::string> structures = StructureItems();
        ForEachRunItem(block_.Repaints(), {window(), frmStatistic04}, *ui_->pbVol04ProgressBar, lines.size(),
                       [&](uint64_t i) { SimulateRunLine(lines[i], mode, structures); });
        ui_->pbVol04ProgressBar->hide();
        ui::ShowBox(this, Title + "Information no: 0475.", mainWindow_.Texts().CreateSimulationEndText,
                    ui::Icon::Information);
    }
    tabs.EnableAgain();
}

void Vol04PathsPage::SimulateRunLine(const std::string& line, AttachMode mode,
                                     const std::vector<std::string>& structures) {
    BindStatisticsWindow();
    // Each line is judged as the run judges it, one outcome per line: the
    // same checks in the same order, against the disk as it is plus what the
    // simulation has made so far, so that two lines naming one folder, or a
    // line below a file, come out as the run finds them.
    if (Trim(ExtractFileDrive(Trim(line))).empty()) {
        // Not a path at all: nothing would have been attached to it.
        SimulateOther(line, AttachMode::Nothing);
        return;
    }
    const std::string name = FolderNameOf(line);
    if (Trim(ExtractFileDrive(name)).empty()) {
        SimulateOther(name, mode);
        return;
    }
    switch (SimulateMainFolder(walk_.Simulated(), name)) {
    case MainFolderResult::Exists:
        // An existing folder gets nothing attached, so it carries no load.
        block_.Counters.Exists.Folders += 1;
        block_.RefreshBoth();
        block_.AddToList(StatisticList::FoldersExists, name);
        return;
    case MainFolderResult::Failed:
        SimulateOther(name, mode);
        return;
    case MainFolderResult::Created:
        break;
    }
    block_.AddToList(StatisticList::FoldersCreated, name);
    block_.Counters.Created.Folders += 1;
    block_.RefreshBoth();
    walk_.AttachTargetRoot = name;
    if (mode == AttachMode::Nothing)
        return;
    AttachStructures(walk_, block_.Repaints(), this, Title + "Warning no: 0474.", name, mode, structures,
                     true);
}

void Vol04PathsPage::SimulateOther(const std::string& entry, AttachMode mode) {
    CounterRow& other = block_.Counters.Other;
    other.Folders += 1;
    if (mode != AttachMode::Nothing)
        other.SubFolders += structureTotals_.subfolders;
    if (AttachesFiles(mode)) {
        other.Files += structureTotals_.files;
        other.FilesSize += static_cast<double>(structureTotals_.bytes);
    }
    block_.RefreshBoth();
    block_.AddToList(StatisticList::FoldersOther, entry);
}
